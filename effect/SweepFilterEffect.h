#pragma once

#include <atomic>

#include "EffectBase.h"
#include "Parameters.h"
#include "SignalPath.h"

namespace sweepfilter {

// The swept resonant low-pass effect: twelve parameters, five programs, a
// stereo signal path, and the editor made by createEditor.
class SweepFilterEffect final : public EffectBase {
 public:
  explicit SweepFilterEffect(HostCallback hostCallback);

  void setParameterValue(std::int32_t index, float value) override;
  float getParameterValue(std::int32_t index) override;
  void processAccumulate(float** inputs, float** outputs, std::int32_t sampleFrames) override;
  void processReplace(float** inputs, float** outputs, std::int32_t sampleFrames) override;
  void renameProgram(char* text) override;
  void copyProgramName(char* text) override;
  void copyParameterLabel(std::int32_t index, char* text) override;
  void copyParameterText(std::int32_t index, char* text) override;
  void copyParameterName(std::int32_t index, char* text) override;

  // The current program's values, without asking the editor for a refresh:
  // what the audio thread reads at a block's start.
  ParameterValues currentValues() const;

  static constexpr int maxProgramNameLength = 64;

 private:
  // The program memory's name slots are 129 bytes, wider than a 64-character name needs.
  static constexpr int programNameSize = 129;

  std::atomic<float>& valueSlot(std::int32_t program, std::int32_t index);
  float valueOf(std::int32_t index) const;

  // One array per parameter, a slot per program. Written by the host's and the
  // editor's threads, read by the audio thread: relaxed atomics, no lock.
  std::atomic<float> programValues[numParameters][programSlots];
  SignalPath signal{WindowPolicy::perBlock};  // as the DLL is specified
  char programNames[programSlots][programNameSize];
};

}  // namespace sweepfilter
