#pragma once

#include "PluginDescriptor.h"

namespace sweepfilter {

// The five functions the descriptor hands to the host. Each finds the effect
// through the descriptor's effectObject and calls its virtual operation.
namespace entry {
HostWord dispatch(PluginDescriptor* d, std::int32_t opcode, std::int32_t index, HostWord value, void* ptr, float opt);
void processAccumulate(PluginDescriptor* d, float** inputs, float** outputs, std::int32_t sampleFrames);
void processReplace(PluginDescriptor* d, float** inputs, float** outputs, std::int32_t sampleFrames);
void setParameter(PluginDescriptor* d, std::int32_t index, float value);
float getParameter(PluginDescriptor* d, std::int32_t index);
}  // namespace entry

}  // namespace sweepfilter
