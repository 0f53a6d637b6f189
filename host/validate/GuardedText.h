#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace sweepfilter {

class PluginInstance;

// The longest texts a plug-in of this kind may write through its text
// opcodes, terminator not counted: program names are cut to 64 characters;
// the longest parameter text is a percentage of the most negative 32-bit
// integer, "   -2147483648"; names and labels are shorter.
inline constexpr std::size_t longestProgramName = 64;
inline constexpr std::size_t longestParameterString = 14;

// A buffer for the plug-in's text opcodes, which carry no length: patterned
// bytes in front, and after a generous text area, so that any byte written
// beyond the terminator, before the buffer or beyond the area shows.
class GuardedText {
 public:
  GuardedText() { reset(); }
  void reset();
  char* data() { return bytes + guardBytes; }
  // "" when a terminator comes within `limit` characters and nothing after it,
  // nor before the buffer, changed; else what is wrong.
  std::string problem(std::size_t limit) const;
  // "" when only the text area was written (for opcodes that write anything).
  std::string guardProblem() const;
  std::string text() const;

  static constexpr std::size_t area = 512;

 private:
  static constexpr std::size_t guardBytes = 64;
  char bytes[guardBytes + area + guardBytes];
};

// A text opcode (5 to 8) through a fresh guarded buffer.
struct TextRead {
  std::string text;
  std::string problem;  // "" when well-formed and within the opcode's limit
};
TextRead readText(const PluginInstance& instance, std::int32_t opcode, std::int32_t index = 0);

}  // namespace sweepfilter
