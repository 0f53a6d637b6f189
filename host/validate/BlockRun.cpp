#include "BlockRun.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "CheckRunner.h"

namespace sweepfilter {

BlockRun runBlock(const PluginInstance& instance, OutputRule entry, StereoBuffers& buffers, std::int32_t frames) {
  buffers.fillOutputs(entry == OutputRule::replace ? std::nanf("") : 0.0f);
  buffers.sealInputs();
  const std::int32_t held = buffers.frames();
  std::vector<float> before;
  if (frames <= 0)
    for (int channel = 0; channel < 2; ++channel)
      before.insert(before.end(), buffers.outputs()[channel], buffers.outputs()[channel] + held);

  instance.process(entry, buffers.inputs(), buffers.outputs(), frames);

  BlockRun run;
  run.damage = buffers.damage();
  if (frames <= 0) {
    for (int channel = 0; channel < 2 && run.damage.empty(); ++channel)
      if (std::memcmp(buffers.outputs()[channel], before.data() + channel * held, held * sizeof(float)) != 0)
        run.damage = formatText("a count of %d changed the outputs", frames);
  } else {
    run.facts.scan(buffers.outputs(), frames);
  }
  return run;
}

}  // namespace sweepfilter
