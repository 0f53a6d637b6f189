#include "InstanceUnderTest.h"
#include "PluginMain.h"
#include "QuietHost.h"

namespace sweepfilter {

PluginInstance instanceUnderTest(std::string* error) {
  PluginInstance instance(pluginMain(quietHost));
  if (!instance && error) *error = "the effect's main returned no descriptor";
  return instance;
}

}  // namespace sweepfilter
