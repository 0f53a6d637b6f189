#include "SweepFilterEffect.h"

#include <cstring>

#include "EditorFactory.h"
#include "FactoryPrograms.h"
#include "ParameterTexts.h"

namespace sweepfilter {

namespace {
// The value arrays are kept in the order Cutoff, Resonance, Input, Leveltrack,
// LFO freq., ..., Output, Mode: this maps a parameter index to its array.
// The program memory has this fixed layout, not parameter order; only this table needs to know.
constexpr std::int32_t arrayOfParameter[numParameters] = {2, 1, 0, 3, 4, 5, 6, 7, 8, 9, 11, 10};
}  // namespace

SweepFilterEffect::SweepFilterEffect(HostCallback hostCallback)
    : EffectBase(hostCallback, numPrograms, numParameters), programNames{} {
  for (auto& array : programValues)
    for (auto& slot : array) slot.store(0.0f, std::memory_order_relaxed);
  for (std::int32_t program = 0; program < numPrograms; ++program) {
    for (std::int32_t index = 0; index < numParameters; ++index)
      valueSlot(program, index).store(factoryPrograms[program].values[index], std::memory_order_relaxed);
    std::strcpy(programNames[program], factoryPrograms[program].name);
  }
  setInputCount(2);
  setOutputCount(2);
  setEffectId(fourCharCode("QxKv"));
  enableFlag8(true);
  enableFlag16(true);
  createEditor(this);  // attaches itself; the effect works without one
}

std::atomic<float>& SweepFilterEffect::valueSlot(std::int32_t program, std::int32_t index) {
  return programValues[arrayOfParameter[index]][program];
}

float SweepFilterEffect::valueOf(std::int32_t index) const {
  return programValues[arrayOfParameter[index]][currentProgram.load(std::memory_order_relaxed)].load(
      std::memory_order_relaxed);
}

ParameterValues SweepFilterEffect::currentValues() const {
  ParameterValues values;
  for (std::int32_t index = 0; index < numParameters; ++index) values[index] = valueOf(index);
  return values;
}

void SweepFilterEffect::setParameterValue(std::int32_t index, float value) {
  if (isParameter(index))
    valueSlot(currentProgram.load(std::memory_order_relaxed), index).store(value, std::memory_order_relaxed);
  if (editor) editor->requestRefresh();
}

float SweepFilterEffect::getParameterValue(std::int32_t index) {
  const float value = isParameter(index) ? valueOf(index) : 0.0f;
  // On purpose: the refresh reads every value and so schedules the next one; an open
  // panel thus follows the effect (a host's program change included) at every idle call.
  if (editor) editor->requestRefresh();
  return value;
}

void SweepFilterEffect::processAccumulate(float** inputs, float** outputs, std::int32_t sampleFrames) {
  signal.processBlock(currentValues(), getSampleRate(), inputs, outputs, sampleFrames, OutputRule::accumulate);
}

void SweepFilterEffect::processReplace(float** inputs, float** outputs, std::int32_t sampleFrames) {
  signal.processBlock(currentValues(), getSampleRate(), inputs, outputs, sampleFrames, OutputRule::replace);
}

void SweepFilterEffect::renameProgram(char* text) {
  char* name = programNames[currentProgram.load(std::memory_order_relaxed)];
  std::strncpy(name, text, maxProgramNameLength);
  name[maxProgramNameLength] = '\0';
}

void SweepFilterEffect::copyProgramName(char* text) {
  std::strcpy(text, programNames[currentProgram.load(std::memory_order_relaxed)]);
}

void SweepFilterEffect::copyParameterLabel(std::int32_t index, char* text) { std::strcpy(text, parameterLabel(index)); }

void SweepFilterEffect::copyParameterText(std::int32_t index, char* text) {
  formatParameterValue(index, isParameter(index) ? valueOf(index) : 0.0f, text);
}

void SweepFilterEffect::copyParameterName(std::int32_t index, char* text) { std::strcpy(text, parameterName(index)); }

}  // namespace sweepfilter
