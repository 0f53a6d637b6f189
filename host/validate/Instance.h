#pragma once

#include <cstdint>
#include <utility>

#include "HostProtocol.h"
#include "PluginHost.h"

namespace sweepfilter {

enum class ProcessEntry { replace, accumulate };
inline const char* entryName(ProcessEntry entry) { return entry == ProcessEntry::replace ? "replace" : "accumulate"; }

// One effect instance, reached only through its descriptor's entry
// functions, closed (opcode 1) when the object goes.
class Instance {
 public:
  explicit Instance(PluginLibrary& library) : d(library.createInstance()) {}
  ~Instance() { close(); }
  Instance(Instance&& other) noexcept : d(std::exchange(other.d, nullptr)) {}
  Instance& operator=(Instance&&) = delete;

  explicit operator bool() const { return d != nullptr; }
  PluginDescriptor* descriptor() const { return d; }

  HostWord dispatch(std::int32_t opcode, std::int32_t index = 0, HostWord value = 0, void* ptr = nullptr,
                    float opt = 0.0f) const {
    return d->dispatchEntry(d, opcode, index, value, ptr, opt);
  }
  void setSampleRate(float rate) const { dispatch(opSetSampleRate, 0, 0, nullptr, rate); }
  void setBlockSize(std::int32_t frames) const { dispatch(opSetBlockSize, 0, frames); }
  void suspend() const { dispatch(opSuspendResume, 0, 0); }
  void resume() const { dispatch(opSuspendResume, 0, 1); }
  void selectProgram(std::int32_t program) const { dispatch(opSelectProgram, 0, program); }
  std::int32_t program() const { return static_cast<std::int32_t>(dispatch(opGetProgram)); }
  void set(std::int32_t index, float value) const { d->setParameterEntry(d, index, value); }
  float get(std::int32_t index) const { return d->getParameterEntry(d, index); }
  void process(ProcessEntry entry, float** inputs, float** outputs, std::int32_t frames) const {
    (entry == ProcessEntry::replace ? d->processReplaceEntry : d->processAccumulateEntry)(d, inputs, outputs, frames);
  }

  // Opcode 1; answers what the dispatch entry answered (the instance is gone).
  HostWord close() {
    if (!d) return 0;
    PluginDescriptor* closing = std::exchange(d, nullptr);
    return closing->dispatchEntry(closing, opClose, 0, 0, nullptr, 0.0f);
  }

 private:
  PluginDescriptor* d;
};

}  // namespace sweepfilter
