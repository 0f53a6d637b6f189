#include "PluginCalls.h"
#include "PluginInstance.h"
#include "PluginMain.h"

namespace {
HostWord host(PluginDescriptor*, std::int32_t opcode, std::int32_t, HostWord, void*, float) {
  return opcode == hostVersion ? 1 : 0;
}
}  // namespace

PluginInstance::PluginInstance() : descriptor_(pluginMain(host)) {
  if (!descriptor_) error_ = "the effect's main returned no descriptor";
}

PluginInstance::~PluginInstance() {
  if (descriptor_) plugin::close(descriptor_);
}
