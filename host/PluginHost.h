#pragma once

#include <windows.h>

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "PluginDescriptor.h"

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
  // A new instance, or null (with `error()` set) when main refuses.
  PluginDescriptor* createInstance();

 private:
  using MainFunction = PluginDescriptor* (*)(HostCallback);
  HMODULE module_ = nullptr;
  MainFunction main_ = nullptr;
  std::string error_;
};

// Convenience calls through a descriptor's entry functions only.
namespace plugin {
HostWord dispatch(PluginDescriptor* d, std::int32_t opcode, std::int32_t index = 0, HostWord value = 0,
                  void* ptr = nullptr, float opt = 0.0f);
std::string text(PluginDescriptor* d, std::int32_t opcode, std::int32_t index = 0);
std::string parameterName(PluginDescriptor* d, std::int32_t index);
std::string parameterLabel(PluginDescriptor* d, std::int32_t index);
std::string parameterText(PluginDescriptor* d, std::int32_t index);
std::string programName(PluginDescriptor* d);
void selectProgram(PluginDescriptor* d, std::int32_t program);
void close(PluginDescriptor* d);
// The index of the parameter whose name is `name`, or -1.
std::int32_t findParameter(PluginDescriptor* d, const std::string& name);
}  // namespace plugin
