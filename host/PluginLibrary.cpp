#include "PluginLibrary.h"

#include <windows.h>

namespace sweepfilter {

PluginLibrary::PluginLibrary(const std::string& path) {
  module_ = reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
  if (!module_) {
    error_ = "cannot load '" + path + "' (Windows error " + std::to_string(GetLastError()) + ")";
    return;
  }
  main_ =
      reinterpret_cast<MainFunction>(reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module_), "main")));
  if (!main_) error_ = "'" + path + "' is not a plug-in: it exports no function \"main\"";
}

PluginLibrary::~PluginLibrary() {
  if (module_) FreeLibrary(static_cast<HMODULE>(module_));
}

PluginInstance PluginLibrary::createInstance(HostCallback callback) {
  if (!main_) return PluginInstance();
  PluginDescriptor* descriptor = main_(callback);
  if (!descriptor) {
    error_ = "the plug-in's main returned no descriptor";
  } else if (descriptor->magic != descriptorMagic) {
    error_ = "the plug-in's main returned a record without the plug-in magic number";
    descriptor = nullptr;
  }
  return PluginInstance(descriptor);
}

}  // namespace sweepfilter
