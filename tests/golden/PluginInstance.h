#pragma once

#include <string>

#include "PluginDescriptor.h"

namespace sweepfilter {

// A fresh instance of the effect under test, closed when this goes: the
// effect linked into the program natively, SweepFilter.dll (from the working
// folder) in the Windows build.
class PluginInstance {
 public:
  PluginInstance();
  ~PluginInstance();
  PluginInstance(const PluginInstance&) = delete;
  PluginInstance& operator=(const PluginInstance&) = delete;

  // Null when the plug-in could not be made; error() says why.
  PluginDescriptor* descriptor() const { return descriptor_; }
  const std::string& error() const { return error_; }

 private:
  PluginDescriptor* descriptor_ = nullptr;
  std::string error_;
};

}  // namespace sweepfilter
