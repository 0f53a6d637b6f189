#include "InstanceUnderTest.h"
#include "PluginLibrary.h"

namespace sweepfilter {

PluginInstance instanceUnderTest(std::string* error) {
  // Loaded once for all instances, as a host keeps a plug-in library loaded.
  static PluginLibrary library("SweepFilter.dll");
  PluginInstance instance = library.createInstance();
  if (!instance && error) *error = library.error();
  return instance;
}

}  // namespace sweepfilter
