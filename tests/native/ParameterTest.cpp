#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "EffectBase.h"
#include "HostRecorder.h"
#include "ParameterTexts.h"
#include "SweepFilterEffect.h"

namespace sweepfilter {

namespace {

std::string textOf(EffectBase& effect, std::int32_t opcode, std::int32_t index = 0) {
  char buffer[256];
  std::memset(buffer, 'x', sizeof buffer);
  effect.dispatch(opcode, index, 0, buffer, 0.0f);
  return buffer;
}

std::string valueText(std::int32_t index, float value) {
  char buffer[64];
  formatParameterValue(index, value, buffer);
  return buffer;
}

TEST(ParameterTexts, NamesAndLabels) {
  SweepFilterEffect effect(recordingHost);
  const char* names[] = {"Input",       "Resonance", "Cutoff",      "Leveltrack", "LFO freq.", "LFO wave",
                         "LFO trigger", "CUT freq.", "Track dest.", "Soft/Hard",  "Mode",      "Output"};
  const char* percent = "     %   ";
  const char* none = "         ";
  const char* labels[] = {percent, percent, percent, percent, "    Hz   ", none, none, none, none, none, none, percent};
  for (std::int32_t i = 0; i < 12; ++i) {
    EXPECT_EQ(textOf(effect, opGetParameterName, i), names[i]);
    EXPECT_EQ(textOf(effect, opGetParameterLabel, i), labels[i]) << i;
  }
  for (std::int32_t bad : {12, -1, 1000}) {
    EXPECT_EQ(textOf(effect, opGetParameterName, bad), "???");
    EXPECT_EQ(textOf(effect, opGetParameterLabel, bad), "???");
    EXPECT_EQ(textOf(effect, opGetParameterText, bad), "???");
    EXPECT_EQ(effect.getParameterValue(bad), 0.0f);
  }
}

TEST(ParameterTexts, ValueRules) {
  struct Case {
    std::int32_t index;
    float value;
    const char* text;
  };
  const Case cases[] = {
      {paramOutput, 0.7f, "   69"},     {paramOutput, 0.74f, "   74"},   {paramOutput, 1.0f, "   100"},
      {paramOutput, 0.0f, "   0"},      {paramCutoff, 0.52f, "   51"},   {paramInput, 1.5f, "   150"},
      {paramInput, -0.25f, "   -25"},   {paramLfoRate, 0.0f, "   0.1"},  {paramLfoRate, 1.0f, "   10.0"},
      {paramLfoRate, 0.2f, "   2.1"},   {paramLfoRate, 0.23f, "   2.4"}, {paramLfoTrigger, 0.66f, "CUT"},
      {paramLfoTrigger, 0.661f, "RES"}, {paramLfoTrigger, 0.33f, "OFF"}, {paramLfoTrigger, 0.331f, "CUT"},
      {paramTrackDest, 0.66f, "CUT"},   {paramTrackDest, 0.661f, "RES"}, {paramLfoWave, 0.33f, "SQUARE"},
      {paramLfoWave, 0.5f, "SAW"},      {paramLfoWave, 1.5f, "SINE"},    {paramCutRange, 0.0f, "LOW"},
      {paramCutRange, 0.66f, "MID"},    {paramCutRange, 0.67f, "HIGH"},  {paramSoftHard, 0.5f, "SOFT"},
      {paramSoftHard, 0.5001f, "HARD"}, {paramMode, 0.5f, "MONO"},       {paramMode, 1.0f, "STEREO"},
  };
  for (const Case& c : cases) EXPECT_EQ(valueText(c.index, c.value), c.text) << c.index << " at " << c.value;
}

TEST(ParameterTexts, NonFiniteAndHugeValuesStayBounded) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  EXPECT_EQ(valueText(paramInput, nan), "   0");
  EXPECT_EQ(valueText(paramInput, inf), "   2147483647");
  EXPECT_EQ(valueText(paramInput, -1e30f), "   -2147483648");
  EXPECT_EQ(valueText(paramLfoWave, nan), "SQUARE");
  EXPECT_EQ(valueText(paramMode, nan), "MONO");
  for (float v : {1e30f, -1e30f, inf, nan}) {
    const std::string text = valueText(paramLfoRate, v);
    EXPECT_LT(text.size(), static_cast<std::size_t>(maxParameterTextSize)) << text;
  }
}

TEST(Programs, FactoryTextsAndNames) {
  SweepFilterEffect effect(recordingHost);
  const char* names[] = {"slow LFO only", "fast LFO only", "medium leveltracking", "large leveltracking",
                         "medium LFO, medium tracking"};
  const char* texts[5][12] = {
      {"100", "52", "51", "100", "0.1", "SINE", "CUT", "LOW", "OFF", "SOFT", "MONO", "72"},
      {"100", "52", "51", "34", "10.0", "SINE", "CUT", "LOW", "OFF", "SOFT", "MONO", "72"},
      {"100", "100", "28", "47", "0.1", "SINE", "OFF", "LOW", "CUT", "SOFT", "MONO", "70"},
      {"100", "100", "28", "100", "2.1", "SINE", "OFF", "LOW", "CUT", "SOFT", "MONO", "69"},
      {"100", "86", "73", "31", "2.4", "SINE", "CUT", "LOW", "CUT", "SOFT", "STEREO", "74"},
  };
  EXPECT_EQ(effect.dispatch(opGetProgram, 0, 0, nullptr, 0.0f), 0);
  for (int p = 0; p < 5; ++p) {
    effect.dispatch(opSelectProgram, 0, p, nullptr, 0.0f);
    EXPECT_EQ(textOf(effect, opGetProgramName), names[p]);
    for (std::int32_t i = 0; i < 12; ++i) {
      std::string text = textOf(effect, opGetParameterText, i);
      const bool numeric = i <= paramLfoRate || i == paramOutput;
      if (numeric) {
        ASSERT_EQ(text.rfind("   ", 0), 0u) << text;
        text = text.substr(3);
      }
      EXPECT_EQ(text, texts[p][i]) << "program " << p << " parameter " << i;
    }
  }
}

TEST(Programs, EditsSurviveProgramSwitches) {
  SweepFilterEffect effect(recordingHost);
  effect.setParameterValue(paramCutoff, 0.9f);
  effect.dispatch(opSelectProgram, 0, 1, nullptr, 0.0f);
  EXPECT_EQ(effect.getParameterValue(paramCutoff), 0.52f);
  effect.setParameterValue(paramCutoff, 0.1f);
  effect.dispatch(opSelectProgram, 0, 0, nullptr, 0.0f);
  EXPECT_EQ(effect.getParameterValue(paramCutoff), 0.9f);
  effect.dispatch(opSelectProgram, 0, 1, nullptr, 0.0f);
  EXPECT_EQ(effect.getParameterValue(paramCutoff), 0.1f);
  // Values outside 0..1 are stored unchanged.
  effect.setParameterValue(paramResonance, 1.5f);
  EXPECT_EQ(effect.getParameterValue(paramResonance), 1.5f);
  EXPECT_EQ(effect.currentValues()[paramResonance], 1.5f);
}

TEST(Programs, RenamingCutsAt64Characters) {
  SweepFilterEffect effect(recordingHost);
  const std::string long100(100, 'a');
  const std::string exact64 = std::string(63, 'b') + "c";
  std::string buffer = long100;
  effect.dispatch(opRenameProgram, 0, 0, buffer.data(), 0.0f);
  EXPECT_EQ(textOf(effect, opGetProgramName), long100.substr(0, 64));
  buffer = exact64;
  effect.dispatch(opSelectProgram, 0, 2, nullptr, 0.0f);
  effect.dispatch(opRenameProgram, 0, 0, buffer.data(), 0.0f);
  EXPECT_EQ(textOf(effect, opGetProgramName), exact64);
  effect.dispatch(opSelectProgram, 0, 0, nullptr, 0.0f);
  EXPECT_EQ(textOf(effect, opGetProgramName), long100.substr(0, 64));
  effect.dispatch(opSelectProgram, 0, 1, nullptr, 0.0f);
  EXPECT_EQ(textOf(effect, opGetProgramName), "fast LFO only");
}

}  // namespace

}  // namespace sweepfilter
