#include "EffectBase.h"

#include <cmath>
#include <cstring>

#include "EntryFunctions.h"
#include "ValueText.h"

namespace sweepfilter {

EffectBase::EffectBase(HostCallback hostCallback, std::int32_t programCount, std::int32_t parameterCount)
    : hostCallback(hostCallback), programCount(programCount), parameterCount(parameterCount) {
  std::memset(&descriptor, 0, sizeof descriptor);
  descriptor.magic = descriptorMagic;
  descriptor.dispatchEntry = entry::dispatch;
  descriptor.processAccumulateEntry = entry::processAccumulate;
  descriptor.setParameterEntry = entry::setParameter;
  descriptor.getParameterEntry = entry::getParameter;
  descriptor.programCount = programCount;
  descriptor.parameterCount = parameterCount;
  descriptor.inputCount = 1;
  descriptor.outputCount = 2;
  descriptor.hostFloat = 1.0f;
  descriptor.effectObject = this;
  descriptor.effectId = defaultEffectId;
  descriptor.effectVersion = 1;
  descriptor.processReplaceEntry = entry::processReplace;
}

EffectBase::~EffectBase() { delete editor; }

void EffectBase::attachEditor(EditorBase* newEditor) {
  editor = newEditor;
  setFlag(flagHasEditor, newEditor != nullptr);
}

void EffectBase::setFlag(std::int32_t bit, bool on) {
  if (on)
    descriptor.flags |= bit;
  else
    descriptor.flags &= ~bit;
}

HostWord EffectBase::callHost(std::int32_t opcode, std::int32_t index, HostWord value, void* ptr, float opt) {
  return hostCallback ? hostCallback(&descriptor, opcode, index, value, ptr, opt) : 0;
}

void EffectBase::setParameterValue(std::int32_t, float) {}
float EffectBase::getParameterValue(std::int32_t) { return 0.0f; }

void EffectBase::setParameterAndNotify(std::int32_t index, float value) {
  setParameterValue(index, value);
  callHost(hostParameterChanged, index, 0, nullptr, value);
}

void EffectBase::processReplace(float**, float**, std::int32_t) {}

HostWord EffectBase::dispatch(std::int32_t opcode, std::int32_t index, HostWord value, void* ptr, float opt) {
  char* text = static_cast<char*>(ptr);
  switch (opcode) {
    case opOpen:
      onOpen();
      return 0;
    case opClose:
      onClose();
      return 0;
    case opSelectProgram:
      if (value >= 0 && value < programCount) selectProgram(static_cast<std::int32_t>(value));
      return 0;
    case opGetProgram:
      return getProgramIndex();
    // Text requests with a null buffer are ignored: nothing to read or write.
    case opRenameProgram:
      if (text) renameProgram(text);
      return 0;
    case opGetProgramName:
      if (text) copyProgramName(text);
      return 0;
    case opGetParameterLabel:
      if (text) copyParameterLabel(index, text);
      return 0;
    case opGetParameterText:
      if (text) copyParameterText(index, text);
      return 0;
    case opGetParameterName:
      if (text) copyParameterName(index, text);
      return 0;
    case opGetMeterLevel:
      return truncateToInt32(static_cast<double>(meterLevel()) * 32767.0);
    case opSetSampleRate:
      changeSampleRate(opt);
      return 0;
    case opSetBlockSize:
      changeBlockSize(static_cast<std::int32_t>(value));
      return 0;
    case opSuspendResume:
      if (value == 0)
        onSuspend();
      else
        onResume();
      return 0;
    case opEditorGetRect:
      return editor && ptr ? editor->queryRect(static_cast<EditorRect**>(ptr)) : 0;
    case opEditorOpen:
      return editor && ptr ? editor->openPanel(ptr) : 0;
    case opEditorClose:
      if (editor) editor->closePanel();
      return 0;
    case opEditorIdle:
      if (editor) editor->idleTick();
      return 0;
    case opIdentify:
      return identifyAnswer;
    case opSaveState:
      return ptr ? saveState(static_cast<void**>(ptr), index != 0) : 0;
    case opLoadState:
      return ptr ? loadState(ptr, static_cast<std::int32_t>(value), index != 0) : 0;
    default:
      return 0;
  }
}

std::int32_t EffectBase::getProgramIndex() { return currentProgram.load(std::memory_order_relaxed); }
void EffectBase::selectProgram(std::int32_t program) { currentProgram.store(program, std::memory_order_relaxed); }
void EffectBase::renameProgram(char* text) { text[0] = '\0'; }
void EffectBase::copyProgramName(char* text) { text[0] = '\0'; }
void EffectBase::copyParameterLabel(std::int32_t, char* text) { text[0] = '\0'; }
void EffectBase::copyParameterText(std::int32_t, char* text) { text[0] = '\0'; }
void EffectBase::copyParameterName(std::int32_t, char* text) { text[0] = '\0'; }
std::int32_t EffectBase::saveState(void**, bool) { return 0; }
std::int32_t EffectBase::loadState(void*, std::int32_t, bool) { return 0; }

void EffectBase::changeSampleRate(float rate) {
  // A rate that is not a positive finite number would make every later
  // frequency computation divide by zero or overflow: keep the last good one.
  if (rate > 0.0f && std::isfinite(rate)) sampleRate.store(rate, std::memory_order_relaxed);
}

void EffectBase::changeBlockSize(std::int32_t size) { blockSize = size; }
void EffectBase::setEffectId(std::int32_t id) { descriptor.effectId = id; }
void EffectBase::setInputCount(std::int32_t count) { descriptor.inputCount = count; }
void EffectBase::setOutputCount(std::int32_t count) { descriptor.outputCount = count; }
void EffectBase::enableFlag4(bool on) { setFlag(flag4, on); }
void EffectBase::enableFlag2(bool on) { setFlag(flag2, on); }
void EffectBase::enableFlag8(bool on) { setFlag(flag8, on); }
void EffectBase::enableFlag16(bool on) { setFlag(flag16, on); }
void EffectBase::enableFlag32(bool on) { setFlag(flag32, on); }
void EffectBase::setHostWordB(std::int32_t word) { descriptor.hostWordB = word; }
void EffectBase::setHostWordC(std::int32_t word) { descriptor.hostWordC = word; }
void EffectBase::setHostWordA(std::int32_t word) { descriptor.hostWordA = word; }
float EffectBase::getSampleRate() { return sampleRate.load(std::memory_order_relaxed); }
std::int32_t EffectBase::getBlockSize() { return blockSize; }

std::int32_t EffectBase::queryHostVersion() {
  if (!hostCallback) return 1;
  const HostWord answer = callHost(hostVersion, 0, 0, nullptr, 0.0f);
  return answer == 0 ? 1 : static_cast<std::int32_t>(answer);
}

std::int32_t EffectBase::queryHostWord() { return static_cast<std::int32_t>(callHost(hostWord, 0, 0, nullptr, 0.0f)); }
void EffectBase::pingHost() { callHost(hostPing, 0, 0, nullptr, 0.0f); }
bool EffectBase::queryInputPin(std::int32_t pin) { return callHost(hostPinConnected, pin, 0, nullptr, 0.0f) == 0; }
bool EffectBase::queryOutputPin(std::int32_t pin) { return callHost(hostPinConnected, pin, 1, nullptr, 0.0f) == 0; }

void EffectBase::decibelsToText(float value, char* text) {
  if (value > 0.0f)
    floatToText(static_cast<float>(20.0 * std::log10(value)), text);
  else
    std::strcpy(text, "  -oo   ");
}

void EffectBase::samplesToHzText(float samples, char* text) {
  floatToText(samples == 0.0f ? 0.0f : getSampleRate() / samples, text);
}

void EffectBase::samplesToMsText(float samples, char* text) { floatToText(samples * 1000.0f / getSampleRate(), text); }
void EffectBase::floatToText(float value, char* text) { formatFloat8(value, text); }
void EffectBase::integerToText(std::int32_t value, char* text) { formatInteger8(value, text); }

}  // namespace sweepfilter
