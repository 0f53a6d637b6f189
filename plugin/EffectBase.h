#pragma once

#include <atomic>
#include <cstdint>

#include "EditorBase.h"
#include "HostProtocol.h"
#include "PluginDescriptor.h"

namespace sweepfilter {

inline constexpr std::int32_t defaultEffectId = fourCharCode("NoEf");

// Base of every effect object: owns the descriptor the host holds and the
// editor, keeps the host callback, sample rate, block size and current
// program, and turns dispatcher opcodes into virtual operations.
//
// Threads: the host may call the dispatcher, the parameter entries and the
// process entries from different threads. What the audio thread reads of
// this class (sample rate, current program) is atomic; nothing is locked.
class EffectBase {
 public:
  EffectBase(HostCallback hostCallback, std::int32_t programCount, std::int32_t parameterCount);
  virtual ~EffectBase();
  EffectBase(const EffectBase&) = delete;
  EffectBase& operator=(const EffectBase&) = delete;

  virtual void setParameterValue(std::int32_t index, float value);
  virtual float getParameterValue(std::int32_t index);
  virtual void setParameterAndNotify(std::int32_t index, float value);
  virtual void processAccumulate(float** inputs, float** outputs, std::int32_t sampleFrames) = 0;
  virtual void processReplace(float** inputs, float** outputs, std::int32_t sampleFrames);
  virtual HostWord dispatch(std::int32_t opcode, std::int32_t index, HostWord value, void* ptr, float opt);
  virtual void onOpen() {}
  virtual void onClose() {}
  virtual std::int32_t getProgramIndex();
  virtual void selectProgram(std::int32_t program);
  virtual void renameProgram(char* text);
  virtual void copyProgramName(char* text);
  virtual void copyParameterLabel(std::int32_t index, char* text);
  virtual void copyParameterText(std::int32_t index, char* text);
  virtual void copyParameterName(std::int32_t index, char* text);
  virtual float meterLevel() { return 0.0f; }
  virtual std::int32_t saveState(void** data, bool isPreset);
  virtual std::int32_t loadState(void* data, std::int32_t size, bool isPreset);
  virtual void changeSampleRate(float rate);
  virtual void changeBlockSize(std::int32_t size);
  virtual void onSuspend() {}
  virtual void onResume() {}
  virtual void setEffectId(std::int32_t id);
  virtual void setInputCount(std::int32_t count);
  virtual void setOutputCount(std::int32_t count);
  virtual void enableFlag4(bool on);
  virtual void enableFlag2(bool on);
  virtual void enableFlag8(bool on);
  virtual void enableFlag16(bool on);
  virtual void enableFlag32(bool on);
  virtual void setHostWordB(std::int32_t word);
  virtual void setHostWordC(std::int32_t word);
  virtual void setHostWordA(std::int32_t word);
  virtual float getSampleRate();
  virtual std::int32_t getBlockSize();
  virtual std::int32_t queryHostVersion();
  virtual std::int32_t queryHostWord();
  virtual void pingHost();
  virtual bool queryInputPin(std::int32_t pin);
  virtual bool queryOutputPin(std::int32_t pin);
  virtual void decibelsToText(float value, char* text);
  virtual void samplesToHzText(float samples, char* text);
  virtual void samplesToMsText(float samples, char* text);
  virtual void floatToText(float value, char* text);
  virtual void integerToText(std::int32_t value, char* text);

  // Takes ownership of the editor (which may be null) and tells the host
  // through the descriptor's flags whether there is one.
  void attachEditor(EditorBase* newEditor);
  EditorBase* getEditor() const { return editor; }
  PluginDescriptor* descriptorOf() { return &descriptor; }

 protected:
  void setFlag(std::int32_t bit, bool on);
  HostWord callHost(std::int32_t opcode, std::int32_t index, HostWord value, void* ptr, float opt);

  std::atomic<float> sampleRate{44100.0f};
  EditorBase* editor = nullptr;
  HostCallback hostCallback;
  std::int32_t programCount;
  std::int32_t parameterCount;
  std::atomic<std::int32_t> currentProgram{0};
  std::int32_t blockSize = 1024;
  PluginDescriptor descriptor;
};

}  // namespace sweepfilter
