#include "PluginHost.h"
#include "PluginInstance.h"

namespace sweepfilter {

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
  if (descriptor_) pluginCalls::close(descriptor_);
}

}  // namespace sweepfilter
