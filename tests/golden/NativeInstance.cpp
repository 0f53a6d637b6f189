#include "PluginCalls.h"
#include "PluginInstance.h"
#include "PluginMain.h"

namespace sweepfilter {

namespace {
HostWord host(PluginDescriptor*, std::int32_t opcode, std::int32_t, HostWord, void*, float) {
  return opcode == hostVersion ? 1 : 0;
}
}  // namespace

PluginInstance::PluginInstance() : descriptor_(pluginMain(host)) {
  if (!descriptor_) error_ = "the effect's main returned no descriptor";
}

PluginInstance::~PluginInstance() {
  if (descriptor_) pluginCalls::close(descriptor_);
}

}  // namespace sweepfilter
