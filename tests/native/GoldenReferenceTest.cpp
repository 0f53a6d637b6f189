// The committed golden hashes are also the hashes of the plain per-sample
// model: a change to the optimised path cannot be accepted by regenerating
// the table alone.
#include <gtest/gtest.h>

#include "GoldenRunner.h"
#include "ReferenceSignalPath.h"
#include "SignalTestSupport.h"

namespace sweepfilter {

namespace {

TEST(GoldenReference, EveryCaseTheModelCanRunHashesToTheCommittedValue) {
  std::int32_t compared = 0;
  for (const GoldenCase& c : goldenCases()) {
    if (c.sampleRate < 22050.0f) continue;  // the model leaves out the mends for low rates
    ReferenceSignalPath model;
    float sampleRate = c.sampleRate;
    ParameterValues values = programValues(c.program);
    for (const ParameterOverride& o : c.overrides) values[o.index] = o.value;
    const PluginDoor door{[&](std::int32_t index, float value) { values[index] = value; },
                          [&](std::int32_t program) { values = programValues(program); },
                          [&](float rate) { sampleRate = rate; },
                          [&](float** inputs, float** outputs, std::int32_t frames) {
                            model.process(values, sampleRate, inputs, outputs, frames, c.rule);
                          }};
    const auto expected = expectedHash(c.name);
    ASSERT_TRUE(expected) << c.name;
    EXPECT_EQ(hashOutput(runBlocks(c, door)), *expected) << c.name;
    ++compared;
  }
  EXPECT_GE(compared, 40);
}

}  // namespace

}  // namespace sweepfilter
