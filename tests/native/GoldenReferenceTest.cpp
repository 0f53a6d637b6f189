// The committed golden hashes come from the optimised path in the DLL's
// policy. The plain per-sample model must give them in that policy, and in the
// continuous one wherever a case's blocks are whole windows: a change to the
// optimised path cannot be accepted by regenerating a table alone. (The
// continuous policy's own hashes are this model's output; the next test holds
// the optimised path to them.)
#include <gtest/gtest.h>

#include "ReferenceRun.h"
#include "SignalPath.h"

namespace sweepfilter {

namespace {

TEST(GoldenReference, EveryCaseTheModelCanRunHashesToTheCommittedValue) {
  for (WindowPolicy policy : {WindowPolicy::perBlock, WindowPolicy::continuous}) {
    std::int32_t compared = 0;
    for (const GoldenCase& c : goldenCases()) {
      if (!modelCanRun(c)) continue;  // the model leaves out the mends for low rates
      if (policy == WindowPolicy::continuous && !blocksAreWholeWindows(c)) continue;
      const auto expected = expectedHash(c.name);
      ASSERT_TRUE(expected) << c.name;
      EXPECT_EQ(hashOutput(referenceOutput(c, policy)), *expected) << c.name;
      ++compared;
    }
    EXPECT_GE(compared, policy == WindowPolicy::perBlock ? 40 : 35);
  }
}

// The optimised path with the continuous policy, as every door but the DLL
// runs it, through every case (the DLL's policy is the golden tests' own).
TEST(GoldenReference, TheContinuousPathHashesToItsExpectation) {
  for (const GoldenCase& c : goldenCases()) {
    SignalPath path{WindowPolicy::continuous};
    const StereoSignal output =
        runOnValues(c, [&](const ParameterValues& values, float rate, float** in, float** out, std::int32_t n) {
          path.processBlock(values, rate, in, out, n, c.rule);
        });
    EXPECT_EQ(hashOutput(output), expectedHash(c.name, WindowPolicy::continuous)) << c.name;
  }
}

}  // namespace

}  // namespace sweepfilter
