#pragma once

#include <windows.h>

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "PluginDescriptor.h"
#include "PluginInstance.h"

namespace sweepfilter {

// A parameter change the plug-in reported through the callback (opcode 0).
struct ReportedChange {
  PluginDescriptor* descriptor;
  std::int32_t index;
  float value;
};

// The host side of the callback: answers the version query and records every
// parameter change a plug-in reports. Safe to call from any thread.
class HostCallbackLog {
 public:
  static HostWord callback(PluginDescriptor* d, std::int32_t opcode, std::int32_t index, HostWord value, void* ptr,
                           float opt);
  static std::vector<ReportedChange> takeChanges();
  static std::int32_t versionAnswer;  // what opcode 1 answers
};

// A loaded plug-in library. main() may be called many times for many instances.
class PluginLibrary {
 public:
  // Loads the library; on failure `error()` says why.
  explicit PluginLibrary(const std::string& path);
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  // A new instance talking to `callback`; empty (with `error()` set) when main refuses.
  PluginInstance createInstance(HostCallback callback = HostCallbackLog::callback);

 private:
  using MainFunction = PluginDescriptor* (*)(HostCallback);
  HMODULE module_ = nullptr;
  MainFunction main_ = nullptr;
  std::string error_;
};

}  // namespace sweepfilter
