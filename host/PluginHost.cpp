#include "PluginHost.h"

#include <utility>

namespace sweepfilter {

namespace {
std::mutex changesMutex;
std::vector<ReportedChange> changes;
}  // namespace

std::int32_t HostCallbackLog::versionAnswer = 2400;

HostWord HostCallbackLog::callback(PluginDescriptor* d, std::int32_t opcode, std::int32_t index, HostWord, void*,
                                   float opt) {
  if (opcode == hostVersion) return versionAnswer;
  if (opcode == hostParameterChanged) {
    std::lock_guard lock(changesMutex);
    changes.push_back({d, index, opt});
  }
  return 0;
}

std::vector<ReportedChange> HostCallbackLog::takeChanges() {
  std::lock_guard lock(changesMutex);
  return std::exchange(changes, {});
}

PluginLibrary::PluginLibrary(const std::string& path) {
  module_ = LoadLibraryA(path.c_str());
  if (!module_) {
    error_ = "cannot load '" + path + "' (Windows error " + std::to_string(GetLastError()) + ")";
    return;
  }
  main_ = reinterpret_cast<MainFunction>(reinterpret_cast<void*>(GetProcAddress(module_, "main")));
  if (!main_) error_ = "'" + path + "' is not a plug-in: it exports no function \"main\"";
}

PluginLibrary::~PluginLibrary() {
  if (module_) FreeLibrary(module_);
}

PluginInstance PluginLibrary::createInstance(HostCallback callback) {
  if (!main_) return PluginInstance();
  PluginDescriptor* d = main_(callback);
  if (!d)
    error_ = "the plug-in's main returned no descriptor";
  else if (d->magic != descriptorMagic)
    error_ = "the plug-in's main returned a record without the plug-in magic number", d = nullptr;
  return PluginInstance(d);
}

}  // namespace sweepfilter
