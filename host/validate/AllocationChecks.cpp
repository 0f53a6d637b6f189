// No heap allocation on the audio thread: processing, and the parameter
// entries a host calls from its audio thread, through every setting.
#include <cmath>

#include "AllocationHook.h"
#include "BlockRun.h"
#include "Checks.h"

namespace sweepfilter {

namespace {
// The calls a host makes on its audio thread, counted; everything else (the
// dispatcher's rate changes, program changes from the user interface) is not.
class AudioThreadCalls {
 public:
  explicit AudioThreadCalls(const PluginInstance& instance) : instance(instance) {}

  void process(OutputRule entry, StereoBuffers& buffers, std::int32_t frames) {
    allocationHook::armForThisThread();
    instance.process(entry, buffers.inputs(), buffers.outputs(), frames);
    allocationHook::disarm();
    ++calls;
  }
  void set(std::int32_t index, float value) {
    allocationHook::armForThisThread();
    instance.set(index, value);
    instance.get(index);
    allocationHook::disarm();
    ++calls;
  }
  long long calls = 0;

 private:
  const PluginInstance& instance;
};

void noAllocation(Check& check, ValidationContext& context) {
  const int redirected = allocationHook::install(context.module);
  if (redirected == 0) {
    check.figure("the plug-in imports no allocator function: it cannot allocate from the heap");
    return;
  }
  // Self-test: making an instance allocates, and the hook must see it.
  allocationHook::takeCount();
  allocationHook::armForThisThread();
  PluginInstance instance = context.library.createInstance();
  allocationHook::disarm();
  const long long inMain = allocationHook::takeCount();
  if (!instance) return check.fail(context.library.error());
  if (inMain == 0)
    return check.fail("the allocation hook saw no allocation while an instance was made: it cannot count");

  AudioThreadCalls audio(instance);
  StereoBuffers buffers(4096, false);
  const float settings[] = {0.0f, 0.5f, 1.0f};
  const std::int32_t sizes[] = {4096, 1, 63, 512, 1000, 64, 0, -1};
  for (float rate : {44100.0f, 8000.0f, 96000.0f, 12345.678f}) {
    instance.setSampleRate(rate);
    for (std::int32_t program = 0; program < context.programCount; ++program) {
      instance.selectProgram(program);
      for (std::int32_t index = 0; index < context.parameterCount; ++index)
        for (float value : settings) {
          audio.set(index, value);
          testSignal::noise(buffers.inputs()[0], 4096, context.rng);
          testSignal::square(buffers.inputs()[1], 4096, 10);
          for (std::int32_t frames : sizes) {
            audio.process(OutputRule::replace, buffers, frames);
            audio.process(OutputRule::accumulate, buffers, frames);
          }
        }
    }
  }
  testSignal::constant(buffers.inputs()[0], 4096, std::nanf(""));
  audio.process(OutputRule::replace, buffers, 4096);
  audio.set(0, std::nanf(""));
  audio.process(OutputRule::replace, buffers, 4096);
  const long long during = allocationHook::takeCount();
  if (during) check.fail(formatText("%lld heap allocations on the audio thread", during));
  check.figure(
      formatText("%d allocator imports watched, %lld made while creating an instance, %lld in %lld "
                 "audio-thread calls",
                 redirected, inMain, during, audio.calls));
}
}  // namespace

void allocationChecks(CheckRunner& runner, ValidationContext& context) {
  runner.run("allocation: none on the audio thread", [&](Check& c) { noAllocation(c, context); });
}

}  // namespace sweepfilter
