#include "EntryFunctions.h"

#include "EffectBase.h"

namespace sweepfilter {

namespace entry {
namespace {
EffectBase* effectOf(PluginDescriptor* d) { return static_cast<EffectBase*>(d->effectObject); }
}  // namespace

HostWord dispatch(PluginDescriptor* d, std::int32_t opcode, std::int32_t index, HostWord value, void* ptr, float opt) {
  EffectBase* effect = effectOf(d);
  HostWord answer = effect->dispatch(opcode, index, value, ptr, opt);
  if (opcode == opClose) {
    // The descriptor lives inside the effect: it is gone after this.
    delete effect;
    return 1;
  }
  return answer;
}

void processAccumulate(PluginDescriptor* d, float** inputs, float** outputs, std::int32_t sampleFrames) {
  effectOf(d)->processAccumulate(inputs, outputs, sampleFrames);
}

void processReplace(PluginDescriptor* d, float** inputs, float** outputs, std::int32_t sampleFrames) {
  effectOf(d)->processReplace(inputs, outputs, sampleFrames);
}

void setParameter(PluginDescriptor* d, std::int32_t index, float value) {
  effectOf(d)->setParameterValue(index, value);
}

float getParameter(PluginDescriptor* d, std::int32_t index) { return effectOf(d)->getParameterValue(index); }
}  // namespace entry

}  // namespace sweepfilter
