#include "GuardedText.h"

#include <cstring>

#include "CheckRunner.h"
#include "PluginInstance.h"

namespace sweepfilter {

namespace {
constexpr char pattern = static_cast<char>(0xA5);

std::size_t textLimit(std::int32_t opcode) {
  return opcode == opGetProgramName ? longestProgramName : longestParameterString;
}
}  // namespace

void GuardedText::reset() { std::memset(bytes, pattern, sizeof bytes); }

std::string GuardedText::guardProblem() const {
  for (std::size_t i = 0; i < guardBytes; ++i)
    if (bytes[i] != pattern) return formatText("wrote %zu bytes before the text buffer", guardBytes - i);
  for (std::size_t i = guardBytes + area; i < sizeof bytes; ++i)
    if (bytes[i] != pattern) return formatText("wrote beyond %zu bytes of text", area);
  return "";
}

std::string GuardedText::problem(std::size_t limit) const {
  if (std::string guard = guardProblem(); !guard.empty()) return guard;
  const char* start = bytes + guardBytes;
  const void* terminator = std::memchr(start, '\0', area);
  if (!terminator) return "no terminator";
  const std::size_t length = static_cast<const char*>(terminator) - start;
  if (length > limit) return formatText("a text of %zu characters, longer than %zu", length, limit);
  for (std::size_t i = length + 1; i < area; ++i)
    if (start[i] != pattern) return formatText("wrote %zu bytes past the terminator of \"%s\"", i - length, start);
  return "";
}

std::string GuardedText::text() const {
  const char* start = bytes + guardBytes;
  return std::string(start, strnlen(start, area));
}

TextRead readText(const PluginInstance& instance, std::int32_t opcode, std::int32_t index) {
  GuardedText buffer;
  instance.dispatch(opcode, index, 0, buffer.data());
  return {buffer.text(), buffer.problem(textLimit(opcode))};
}

}  // namespace sweepfilter
