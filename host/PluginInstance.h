#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "OutputRule.h"
#include "PluginDescriptor.h"

namespace sweepfilter {

// One effect instance as a host holds it: reached only through its
// descriptor's entry functions, closed (opcode 1) when this goes. Portable:
// the descriptor may come from a loaded DLL or from an effect linked in.
class PluginInstance {
 public:
  explicit PluginInstance(PluginDescriptor* descriptor = nullptr) : descriptor_(descriptor) {}
  ~PluginInstance() { close(); }
  PluginInstance(PluginInstance&& other) noexcept : descriptor_(std::exchange(other.descriptor_, nullptr)) {}
  PluginInstance& operator=(PluginInstance&& other) noexcept;

  explicit operator bool() const { return descriptor_ != nullptr; }
  PluginDescriptor* descriptor() const { return descriptor_; }

  HostWord dispatch(std::int32_t opcode, std::int32_t index = 0, HostWord value = 0, void* ptr = nullptr,
                    float opt = 0.0f) const {
    return descriptor_->dispatchEntry(descriptor_, opcode, index, value, ptr, opt);
  }
  // A text the plug-in writes into the host's buffer.
  std::string text(std::int32_t opcode, std::int32_t index = 0) const;
  std::string parameterName(std::int32_t index) const { return text(opGetParameterName, index); }
  std::string parameterLabel(std::int32_t index) const { return text(opGetParameterLabel, index); }
  std::string parameterText(std::int32_t index) const { return text(opGetParameterText, index); }
  std::string programName() const { return text(opGetProgramName); }
  // The index of the parameter whose name is `name`, or -1.
  std::int32_t findParameter(const std::string& name) const;

  void selectProgram(std::int32_t program) const { dispatch(opSelectProgram, 0, program); }
  std::int32_t program() const { return static_cast<std::int32_t>(dispatch(opGetProgram)); }
  void setSampleRate(float rate) const { dispatch(opSetSampleRate, 0, 0, nullptr, rate); }
  void setBlockSize(std::int32_t frames) const { dispatch(opSetBlockSize, 0, frames); }
  void suspend() const { dispatch(opSuspendResume, 0, 0); }
  void resume() const { dispatch(opSuspendResume, 0, 1); }
  void set(std::int32_t index, float value) const { descriptor_->setParameterEntry(descriptor_, index, value); }
  float get(std::int32_t index) const { return descriptor_->getParameterEntry(descriptor_, index); }
  void process(OutputRule rule, float** inputs, float** outputs, std::int32_t frames) const {
    (rule == OutputRule::replace ? descriptor_->processReplaceEntry : descriptor_->processAccumulateEntry)(
        descriptor_, inputs, outputs, frames);
  }

  // Opcode 13's answer; `rect` receives the rectangle it points at (or null).
  HostWord editorRect(EditorRect** rect) const { return dispatch(opEditorGetRect, 0, 0, rect); }
  HostWord openEditor(void* parentWindow) const { return dispatch(opEditorOpen, 0, 0, parentWindow); }
  void closeEditor() const { dispatch(opEditorClose); }
  void idleEditor() const { dispatch(opEditorIdle); }

  // Opcode 1 now; answers what the dispatch entry answered. The instance is gone afterwards.
  HostWord close();

 private:
  PluginDescriptor* descriptor_;
};

}  // namespace sweepfilter
