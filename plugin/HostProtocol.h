// The contract between a host and this plug-in's descriptor: the calling
// conventions, the opcodes each side sends and the bits of the descriptor's
// flags. The plug-in, plughost and the tests all name them from here.
#pragma once

#include <cstdint>

namespace sweepfilter {

struct PluginDescriptor;

// Integers that cross the host boundary at pointer width: 32 bits in the
// 32-bit build, 64 bits in a 64-bit one.
using HostWord = std::intptr_t;

// The host's function: (descriptor, opcode, index, value, ptr, opt) -> answer.
// Plain C calling convention: arguments pushed last to first, caller cleans up.
using HostCallback = HostWord (*)(PluginDescriptor* descriptor, std::int32_t opcode, std::int32_t index, HostWord value,
                                  void* ptr, float opt);

// Four-character codes are integers whose most significant byte is the first character.
constexpr std::int32_t fourCharCode(const char (&text)[5]) {
  return static_cast<std::int32_t>((static_cast<std::uint32_t>(static_cast<std::uint8_t>(text[0])) << 24) |
                                   (static_cast<std::uint32_t>(static_cast<std::uint8_t>(text[1])) << 16) |
                                   (static_cast<std::uint32_t>(static_cast<std::uint8_t>(text[2])) << 8) |
                                   static_cast<std::uint32_t>(static_cast<std::uint8_t>(text[3])));
}

inline constexpr std::int32_t descriptorMagic = fourCharCode("ZpxP");
// What opcode 22 answers.
inline constexpr std::int32_t identifyAnswer = fourCharCode("NvEf");

// Bits of the descriptor's flags. Only flagHasEditor means something to this
// system; the others are the host's business and the effect only sets them.
enum DescriptorFlag : std::int32_t {
  flagHasEditor = 1,
  flag2 = 2,
  flag4 = 4,
  flag8 = 8,
  flag16 = 16,
  flag32 = 32,
};

// Requests the host sends through the dispatcher.
enum DispatchOpcode : std::int32_t {
  opOpen = 0,
  opClose = 1,
  opSelectProgram = 2,
  opGetProgram = 3,
  opRenameProgram = 4,
  opGetProgramName = 5,
  opGetParameterLabel = 6,
  opGetParameterText = 7,
  opGetParameterName = 8,
  opGetMeterLevel = 9,
  opSetSampleRate = 10,
  opSetBlockSize = 11,
  opSuspendResume = 12,  // value 0 suspends, anything else resumes
  opEditorGetRect = 13,
  opEditorOpen = 14,
  opEditorClose = 15,
  opEditorIdle = 19,
  opIdentify = 22,
  opSaveState = 23,
  opLoadState = 24,
};

// The panel size as the host reads it: four 16-bit fields in this order.
struct EditorRect {
  std::int16_t top;
  std::int16_t left;
  std::int16_t bottom;
  std::int16_t right;
};
static_assert(sizeof(EditorRect) == 8);

// Requests this plug-in sends to the host.
enum HostOpcode : std::int32_t {
  hostParameterChanged = 0,  // index = parameter, opt = new value
  hostVersion = 1,           // answer 0 means "no host": nothing is created
  hostWord = 2,
  hostPing = 3,
  hostPinConnected = 4,  // index = pin, value 0 input / 1 output; answer 0 = connected
};

}  // namespace sweepfilter
