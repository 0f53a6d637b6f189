// Sample rates times block sizes: every call's output finite, normal and
// bounded for full-scale input, nothing touched outside the buffers.
#include <algorithm>
#include <array>
#include <vector>

#include "BlockRun.h"
#include "Checks.h"

namespace sweepfilter {

namespace {
const float sampleRates[] = {8000.0f,   11025.0f,  16000.0f,  22050.0f,   44100.0f,   48000.0f,   88200.0f,  96000.0f,
                             192000.0f, 384000.0f, 768000.0f, 1234.5678f, 12345.678f, 45678.901f, 123456.78f};
const std::int32_t fixedBlockSizes[] = {0, 1, 2, 10, 17, 63, 64, 511, 512, 1000, 2027, 4096, 16384, -1, -512};
constexpr int randomBlockSizes = 20;

// The loudest settings a user can dial for this kind of plug-in: full input,
// resonance and cutoff, the fast square LFO on the cutoff, the level on the
// resonance, the high range, the short window, full wet output. Parameters
// beyond these twelve keep their values.
constexpr std::array<float, 12> loudestSettings = {1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.0f,
                                                   0.5f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f};

struct Way {
  const char* name;
  bool suspendAroundRateChange;
  std::int32_t announcedBlockSize;
};

void fillFullScale(StereoBuffers& buffers, std::int32_t frames, int block, std::mt19937& rng) {
  for (int channel = 0; channel < 2; ++channel) {
    float* samples = buffers.inputs()[channel];
    if (block % 2)
      testSignal::square(samples, frames, 6 + channel * 2);
    else
      testSignal::noise(samples, frames, rng);
  }
}

void ratesTimesBlocks(Check& check, ValidationContext& context, const Way& way) {
  PluginInstance instance = context.library.createInstance();
  if (!instance) return check.fail(context.library.error());
  // The last program becomes the loudest one; the others stay as they came.
  instance.selectProgram(context.programCount - 1);
  for (std::int32_t i = 0; i < std::min<std::int32_t>(context.parameterCount, loudestSettings.size()); ++i)
    instance.set(i, loudestSettings[i]);

  std::vector<std::int32_t> sizes(std::begin(fixedBlockSizes), std::end(fixedBlockSizes));
  std::uniform_int_distribution<std::int32_t> randomSize(3, 8191);
  for (int i = 0; i < randomBlockSizes; ++i) sizes.push_back(randomSize(context.rng));

  long long combinations = 0, calls = 0, overAnnounced = 0;
  float peak = 0.0f;
  for (float rate : sampleRates) {
    if (way.suspendAroundRateChange) instance.suspend();
    instance.setSampleRate(rate);
    instance.setBlockSize(way.announcedBlockSize);
    if (way.suspendAroundRateChange) instance.resume();
    for (std::size_t s = 0; s < sizes.size(); ++s) {
      const std::int32_t frames = sizes[s];
      instance.selectProgram(static_cast<std::int32_t>(s % context.programCount));
      ++combinations;
      for (bool inPlace : {false, true})
        for (OutputRule entry : {OutputRule::replace, OutputRule::accumulate}) {
          StereoBuffers buffers(frames > 0 ? frames : 64, inPlace);
          fillFullScale(buffers, buffers.frames(), static_cast<int>(calls), context.rng);
          const BlockRun run = runBlock(instance, entry, buffers, frames);
          ++calls;
          if (frames > way.announcedBlockSize) ++overAnnounced;
          peak = std::max(peak, run.facts.peak);
          if (std::string p = run.problems(fullScaleOutputBound); !p.empty())
            check.fail(formatText("%g Hz, %d frames, program %zu, %s, %s: %s", static_cast<double>(rate), frames,
                                  s % context.programCount, outputRuleName(entry), inPlace ? "in place" : "separate",
                                  p.c_str()));
        }
    }
  }
  check.figure(
      formatText("%lld combinations (%zu rates x %zu block sizes), %lld calls, %lld larger than the "
                 "announced %d, peak %.3g of %.3g allowed",
                 combinations, std::size(sampleRates), sizes.size(), calls, overAnnounced, way.announcedBlockSize,
                 static_cast<double>(peak), static_cast<double>(fullScaleOutputBound)));
}
}  // namespace

void rateAndBlockChecks(CheckRunner& runner, ValidationContext& context) {
  const Way ways[] = {{"suspended around each rate change", true, 512}, {"rates changed while running", false, 64}};
  for (const Way& way : ways)
    runner.run(std::string("rates x block sizes, ") + way.name, [&](Check& c) { ratesTimesBlocks(c, context, way); });
}

}  // namespace sweepfilter
