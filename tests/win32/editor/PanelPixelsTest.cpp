// The panel's pixels as a host's window shows them, for values the host sets
// and for the factory programs.
#include <gtest/gtest.h>

#include "ExpectedPanel.h"
#include "OpenPanel.h"
#include "PluginUnderTest.h"

namespace sweepfilter {

namespace {

TEST(PanelPixels, EachProgramOpenedOnThePanelShowsItsValuesWithTheLampLitOnlyForProgramFour) {
  for (std::int32_t program = 0; program < numPrograms; ++program) {
    PluginInstance instance = pluginUnderTest();
    ASSERT_TRUE(instance);
    instance.selectProgram(program);
    const OpenPanel panel(instance);
    ASSERT_NE(panel.window(), nullptr) << "program " << program;
    const auto shown = panel.shown();
    EXPECT_EQ(panelDifference(*shown, values(instance)), "") << "program " << program;
    EXPECT_EQ(controlDifference(*shown, expectedControl(paramMode), program == stereoProgram ? 1 : 0), "")
        << "program " << program;
  }
}

TEST(PanelPixels, AProgramChangeShowsAfterTheNextIdleCallAndTimerTick) {
  PluginInstance instance = pluginUnderTest();
  const OpenPanel panel(instance);
  for (const std::int32_t program : {stereoProgram, 2, 0, 3, 1}) {
    instance.selectProgram(program);
    panel.idleAndTick();
    EXPECT_EQ(panelDifference(*panel.shown(), values(instance)), "") << "program " << program;
  }
}

struct ValueCase {
  ParameterIndex parameter;
  float value;
  // The strip frame shown, or for a slider the handle's top row.
  int frame;
};

// Values a host may set, with what each control must show: both sides of
// every threshold, the ends of the range, and values beyond it.
const ValueCase valueCases[] = {
    {paramCutoff, 0.0f, 0},     {paramCutoff, 0.5f, 14},     {paramCutoff, 0.999f, 28},    {paramCutoff, 1.0f, 29},
    {paramCutoff, -0.2f, 0},    {paramResonance, 0.86f, 24}, {paramLevelTrack, 0.35f, 10}, {paramLfoRate, 0.23f, 6},
    {paramLfoRate, 1.0f, 29},   {paramCutRange, 0.33f, 0},   {paramCutRange, 0.331f, 1},   {paramCutRange, 0.66f, 1},
    {paramCutRange, 0.661f, 2}, {paramTrackDest, 1.0f, 2},   {paramTrackDest, 0.5f, 1},    {paramLfoWave, 0.0f, 0},
    {paramLfoWave, 0.9f, 2},    {paramLfoWave, 0.66f, 1},    {paramLfoTrigger, 0.7f, 2},   {paramLfoTrigger, 0.2f, 0},
    {paramSoftHard, 0.5f, 0},   {paramSoftHard, 0.51f, 1},   {paramSoftHard, 0.0f, 0},     {paramMode, 1.0f, 1},
    {paramMode, 0.0f, 0},       {paramMode, 0.3f, 1},        {paramMode, 2.0f, 1},         {paramInput, 0.0f, 209},
    {paramInput, 0.5f, 122},    {paramInput, 1.0f, 36},      {paramInput, 1.5f, 36},       {paramOutput, 0.25f, 165},
    {paramOutput, 0.74f, 80},   {paramOutput, 0.0f, 209},
};

TEST(PanelPixels, EveryControlShowsTheFrameTheHostsValueSelectsOnlyAfterTheIdleCall) {
  PluginInstance instance = pluginUnderTest();
  const OpenPanel panel(instance);
  for (const ValueCase& c : valueCases) {
    const ExpectedControl& control = expectedControl(c.parameter);
    const int before = frameFor(control, instance.get(c.parameter));
    instance.set(c.parameter, c.value);
    tickTimer(panel.window());
    EXPECT_EQ(controlDifference(*panel.shown(), control, before), "")
        << "parameter " << c.parameter << " at " << c.value << " before the idle call";
    panel.idleAndTick();
    EXPECT_EQ(controlDifference(*panel.shown(), control, c.frame), "")
        << "parameter " << c.parameter << " at " << c.value;
  }
  EXPECT_EQ(panelDifference(*panel.shown(), values(instance)), "") << "the whole panel at the end";
  EXPECT_TRUE(takeReports(instance).empty()) << "values the host set came back to it";
}

}  // namespace

}  // namespace sweepfilter
