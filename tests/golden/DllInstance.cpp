#include "PluginHost.h"
#include "PluginInstance.h"

namespace {
// Loaded once for all instances, as a host keeps a plug-in library loaded.
PluginLibrary& library() {
  static PluginLibrary loaded("SweepFilter.dll");
  return loaded;
}
}  // namespace

PluginInstance::PluginInstance() {
  descriptor_ = library().ok() ? library().createInstance() : nullptr;
  if (!descriptor_) error_ = library().error();
}

PluginInstance::~PluginInstance() {
  if (descriptor_) plugin::close(descriptor_);
}
