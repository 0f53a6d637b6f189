#pragma once

#include <string>

#include "HostCallbackLog.h"
#include "PluginDescriptor.h"
#include "PluginInstance.h"

namespace sweepfilter {

// A loaded plug-in library. main() may be called many times for many instances.
// Only the Windows build loads DLLs; elsewhere every path gives an error()
// that says so.
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
  void* module_ = nullptr;
  MainFunction main_ = nullptr;
  std::string error_;
};

}  // namespace sweepfilter
