// The golden cases through SweepFilter.clap, the values sent as a host sends
// them: PARAM_VALUE events at the start of the block that follows.
#include <gtest/gtest.h>

#include "ClapHost.h"
#include "FactoryPrograms.h"
#include "GoldenRunner.h"
#include "GoldenTestNames.h"
#include "ParameterTable.h"
#include "PortValues.h"

namespace sweepfilter {

namespace {

class ClapGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(ClapGolden, OutputHashesToTheCommittedValue) {
  const GoldenCase& c = GetParam();
  // A CLAP instance's rate is fixed while active and its output replaces.
  if (c.rule == OutputRule::accumulate || c.automation == Automation::rateChange)
    GTEST_SKIP() << "not a thing CLAP hosts do";
  ClapLibrary library{SWEEPFILTER_CLAP_FILE};
  HostedPlugin hosted(library);
  ASSERT_NE(hosted.plugin(), nullptr);

  // Values between a switch's settings or outside a range cannot reach the plug-in.
  bool expressible = true;
  const auto set = [&](std::int32_t index, float value) {
    const auto portValue = portValueOf(index, value);
    const ParameterFacts& facts = parameterTable[index];
    expressible &= portValue && *portValue >= facts.shownMinimum && *portValue <= facts.shownMaximum;
    if (portValue) hosted.queueValue(index, *portValue);
  };
  const auto selectProgram = [&](std::int32_t program) {
    for (std::int32_t index = 0; index < numParameters; ++index) set(index, factoryPrograms[program].values[index]);
  };
  selectProgram(c.program);
  for (const ParameterOverride& o : c.overrides) set(o.index, o.value);
  ASSERT_TRUE(hosted.activate(c.sampleRate));
  const PluginDoor door{set, selectProgram, nullptr, [&](float** inputs, float** outputs, std::int32_t frames) {
                          hosted.process(inputs, outputs, static_cast<std::uint32_t>(frames));
                        }};
  const StereoSignal output = runBlocks(c, door);
  if (!expressible) GTEST_SKIP() << "a setting CLAP parameters cannot express";
  EXPECT_EQ(hashOutput(output), expectedHash(c.name, WindowPolicy::continuous).value_or(0))
      << c.name << " renders differently through CLAP";
}

INSTANTIATE_TEST_SUITE_P(Cases, ClapGolden, ::testing::ValuesIn(goldenCases()), goldenTestName);

}  // namespace
}  // namespace sweepfilter
