#include "InstanceUnderTest.h"
#include "PluginMain.h"

namespace sweepfilter {

namespace {
HostWord host(PluginDescriptor*, std::int32_t opcode, std::int32_t, HostWord, void*, float) {
  return opcode == hostVersion ? 1 : 0;
}
}  // namespace

PluginInstance instanceUnderTest(std::string* error) {
  PluginInstance instance(pluginMain(host));
  if (!instance && error) *error = "the effect's main returned no descriptor";
  return instance;
}

}  // namespace sweepfilter
