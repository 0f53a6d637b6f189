// Golden outputs: every case's output must hash to the committed value. The
// same test runs natively (the effect linked in) and under wine (the DLL),
// so passing in both builds means both produce the same bits.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "GoldenRunner.h"
#include "GoldenTestNames.h"
#include "InstanceUnderTest.h"

namespace sweepfilter {

namespace {

class Golden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, OutputHashesToTheCommittedValue) {
  const GoldenCase& c = GetParam();
  std::string error;
  const PluginInstance instance = instanceUnderTest(&error);
  ASSERT_TRUE(instance) << error;
  const StereoSignal output = runGoldenCase(instance, c);

  // A hash would pin down a blown-up filter as readily as a sound one. With
  // input within full scale the output stays below 1 (dry) plus a quarter of
  // the peak gain of two resonant stages at damping 0.1 (about 20 each).
  for (const auto* channel : {&output.left, &output.right})
    for (std::size_t i = 0; i < c.frames; ++i)
      ASSERT_TRUE(std::isfinite((*channel)[i]) && std::fabs((*channel)[i]) < 110.0f)
          << "frame " << i << " is " << (*channel)[i];

  const auto expected = expectedHash(c.name);
  ASSERT_TRUE(expected) << "no committed hash for " << c.name << "; see tests/golden/README.md";
  EXPECT_EQ(hashOutput(output), *expected)
      << c.name << " renders differently; \"golden_tool dump\" in two builds and \"golden_tool diff\" show where";
}

INSTANTIATE_TEST_SUITE_P(Cases, Golden, ::testing::ValuesIn(goldenCases()), goldenTestName);

TEST(GoldenTable, EveryCommittedHashBelongsToExactlyOneCase) {
  std::set<std::string> names;
  for (const GoldenCase& c : goldenCases()) EXPECT_TRUE(names.insert(c.name).second) << "two cases named " << c.name;
  std::set<std::string> hashed;
  for (const NamedHash& h : expectedHashes()) {
    EXPECT_TRUE(names.count(h.name)) << "a hash for no case: " << h.name;
    EXPECT_TRUE(hashed.insert(h.name).second) << "two hashes for " << h.name;
  }
}

TEST(GoldenSignals, AreExactSixteenBitCodesAndMonoWhereSaid) {
  for (Signal signal : {Signal::silence, Signal::noise, Signal::sawChord, Signal::monoSawChord, Signal::impulses,
                        Signal::noiseBursts}) {
    const StereoSignal s = generateSignal(signal, 20000);
    bool channelsDiffer = false, nonZero = false;
    for (std::size_t i = 0; i < s.left.size(); ++i) {
      for (float x : {s.left[i], s.right[i]}) {
        ASSERT_EQ(x * 32768.0f, std::trunc(x * 32768.0f));
        ASSERT_LE(std::fabs(x), 1.0f);
        nonZero |= x != 0.0f;
      }
      channelsDiffer |= s.left[i] != s.right[i];
    }
    EXPECT_EQ(channelsDiffer, !isMono(signal)) << static_cast<int>(signal);
    EXPECT_EQ(nonZero, signal != Signal::silence) << static_cast<int>(signal);
  }
}

}  // namespace

}  // namespace sweepfilter
