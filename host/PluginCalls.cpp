#include "PluginCalls.h"

#include "HostProtocol.h"

namespace sweepfilter {

namespace pluginCalls {
HostWord dispatch(PluginDescriptor* d, std::int32_t opcode, std::int32_t index, HostWord value, void* ptr, float opt) {
  return d->dispatchEntry(d, opcode, index, value, ptr, opt);
}

std::string text(PluginDescriptor* d, std::int32_t opcode, std::int32_t index) {
  // Generous: the plug-in's texts have no length argument.
  char buffer[256] = {};
  dispatch(d, opcode, index, 0, buffer);
  buffer[sizeof buffer - 1] = '\0';
  return buffer;
}

std::string parameterName(PluginDescriptor* d, std::int32_t index) { return text(d, opGetParameterName, index); }
std::string parameterLabel(PluginDescriptor* d, std::int32_t index) { return text(d, opGetParameterLabel, index); }
std::string parameterText(PluginDescriptor* d, std::int32_t index) { return text(d, opGetParameterText, index); }
std::string programName(PluginDescriptor* d) { return text(d, opGetProgramName); }
void selectProgram(PluginDescriptor* d, std::int32_t program) { dispatch(d, opSelectProgram, 0, program); }
void setSampleRate(PluginDescriptor* d, float rate) { dispatch(d, opSetSampleRate, 0, 0, nullptr, rate); }
void setBlockSize(PluginDescriptor* d, std::int32_t frames) { dispatch(d, opSetBlockSize, 0, frames); }
void resume(PluginDescriptor* d) { dispatch(d, opSuspendResume, 0, 1); }
void suspend(PluginDescriptor* d) { dispatch(d, opSuspendResume, 0, 0); }
void close(PluginDescriptor* d) { dispatch(d, opClose); }

std::int32_t findParameter(PluginDescriptor* d, const std::string& name) {
  for (std::int32_t i = 0; i < d->parameterCount; ++i)
    if (parameterName(d, i) == name) return i;
  return -1;
}
}  // namespace pluginCalls

}  // namespace sweepfilter
