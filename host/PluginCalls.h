#pragma once

#include <cstdint>
#include <string>

#include "PluginDescriptor.h"

namespace sweepfilter {

// The host's calls into a plug-in, through its descriptor's entry functions only. Portable:
// they work on any descriptor, from a loaded DLL or from an effect linked in.
namespace pluginCalls {
HostWord dispatch(PluginDescriptor* d, std::int32_t opcode, std::int32_t index = 0, HostWord value = 0,
                  void* ptr = nullptr, float opt = 0.0f);
std::string text(PluginDescriptor* d, std::int32_t opcode, std::int32_t index = 0);
std::string parameterName(PluginDescriptor* d, std::int32_t index);
std::string parameterLabel(PluginDescriptor* d, std::int32_t index);
std::string parameterText(PluginDescriptor* d, std::int32_t index);
std::string programName(PluginDescriptor* d);
void selectProgram(PluginDescriptor* d, std::int32_t program);
void setSampleRate(PluginDescriptor* d, float rate);
void setBlockSize(PluginDescriptor* d, std::int32_t frames);
void resume(PluginDescriptor* d);
void suspend(PluginDescriptor* d);
void close(PluginDescriptor* d);
// The index of the parameter whose name is `name`, or -1.
std::int32_t findParameter(PluginDescriptor* d, const std::string& name);
}  // namespace pluginCalls

}  // namespace sweepfilter
