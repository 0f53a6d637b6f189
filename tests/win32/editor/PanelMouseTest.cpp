// Real mouse input on the panel, sent with SendInput: what the host hears
// through its callback, and that nothing else changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "ExpectedPanel.h"
#include "Gestures.h"
#include "OpenPanel.h"
#include "MouseRobot.h"
#include "PanelGestures.h"
#include "PluginUnderTest.h"

namespace sweepfilter {

namespace {

std::vector<MouseStep> knobTurn(int left, int top) {
  std::vector<MouseStep> steps;
  for (const Point& p : knobTurnPath) {
    steps.push_back(moveTo(left + p.x, top + p.y));
    if (steps.size() == 1) steps.push_back(press());
  }
  steps.push_back(release());
  return steps;
}
const std::vector<float> knobValues(std::begin(knobTurnValues), std::end(knobTurnValues));

// The pointer's distance from a switch's left edge picks the position.
std::vector<MouseStep> switchSweep(int left, int top, std::vector<int> offsets) {
  std::vector<MouseStep> steps = {moveTo(left + offsets[0], top + 8), press()};
  for (std::size_t i = 1; i < offsets.size(); ++i) steps.push_back(moveTo(left + offsets[i], top + 8));
  steps.push_back(release());
  return steps;
}

constexpr float travel = sliderTravelPixels;

struct MouseCase {
  const char* name;
  // Set by the host (with an idle call and a timer tick) before the mouse moves.
  std::vector<std::pair<ParameterIndex, float>> hostValues;
  std::vector<MouseStep> steps;
  std::vector<Report> expected;
};

std::vector<Report> reports(ParameterIndex parameter, const std::vector<float>& values) {
  std::vector<Report> result;
  for (float value : values) result.push_back({parameter, value});
  return result;
}

const std::vector<MouseCase>& mouseCases() {
  static const std::vector<MouseCase> cases = {
      {"resonance knob turned over its dial", {}, knobTurn(165, 40), reports(paramResonance, knobValues)},
      {"cutoff knob turned over its dial", {}, knobTurn(68, 40), reports(paramCutoff, knobValues)},
      {"level tracking knob turned over its dial", {}, knobTurn(263, 40), reports(paramLevelTrack, knobValues)},
      {"LFO frequency knob turned over its dial",
       {{paramLfoRate, 0.5f}},
       knobTurn(165, 200),
       reports(paramLfoRate, knobValues)},
      {"range switch swept right and back",
       {},
       switchSweep(79, 145, {5, 20, 40, 5}),
       reports(paramCutRange, {0.33f, 0.66f, 1.0f, 0.33f})},
      {"destination switch swept right, wiggled in place",
       {},
       switchSweep(273, 109, {5, 9, 20, 40, 44}),
       reports(paramTrackDest, {0.33f, 0.66f, 1.0f})},
      {"soft/hard switch set and set back", {}, switchSweep(273, 140, {30, 5}), reports(paramSoftHard, {1.0f, 0.0f})},
      {"wave selector swept", {}, switchSweep(72, 200, {10, 35, 60}), reports(paramLfoWave, {0.33f, 0.66f, 1.0f})},
      {"trigger selector swept",
       {},
       switchSweep(267, 200, {10, 35, 60}),
       reports(paramLfoTrigger, {0.33f, 0.66f, 1.0f})},
      {"mode button clicked on", {}, clickAt(57, 233), reports(paramMode, {1.0f})},
      {"mode button clicked off", {{paramMode, 1.0f}}, clickAt(57, 233), reports(paramMode, {0.0f})},
      {"mode button pressed, dragged off and released",
       {},
       {moveTo(57, 233), press(), moveTo(57, 180), release()},
       reports(paramMode, {1.0f, 0.0f})},
      // Grabbed 10 pixels below the handle's top: the press itself changes nothing.
      {"input slider dragged down 17 pixels, sideways, then above its travel",
       {},
       {moveTo(30, 46), press(), moveTo(30, 63), moveTo(150, 63), moveTo(30, 10), release()},
       reports(paramInput, {1.0f - 17.0f / travel, 1.0f})},
      {"output slider dragged up its whole travel, then down 17 pixels",
       {{paramOutput, 0.0f}},
       {moveTo(370, 219), press(), moveTo(370, 46), moveTo(370, 63), release()},
       reports(paramOutput, {1.0f, 1.0f - 17.0f / travel})},
      {"output slider pressed beside its handle", {{paramOutput, 0.0f}}, clickAt(375, 100), {}},
      // The column x = 72 belongs to the button and to the wave selector: the
      // selector comes first in the panel's list and gets the press; the
      // button gets it after the release, as a click.
      {"press where the mode button touches the wave selector",
       {},
       clickAt(72, 230),
       {{paramLfoWave, 0.33f}, {paramMode, 1.0f}}},
  };
  return cases;
}

bool sameReport(const Report& shown, const Report& wanted) {
  const bool knob = expectedControl(static_cast<ParameterIndex>(shown.index)).look == Look::knob;
  return shown.index == wanted.index &&
         (knob ? std::abs(shown.value - wanted.value) <= knobTolerance : shown.value == wanted.value);
}

TEST(PanelMouse, PressesAndDragsOnEveryControlReportExactlyTheirChangesAndNothingElse) {
  for (const MouseCase& c : mouseCases()) {
    SCOPED_TRACE(c.name);
    EXPECT_TRUE(untilPressesArrive([&] {
      PluginInstance instance = pluginUnderTest();
      const OpenPanel panel(instance);
      for (const auto& [parameter, value] : c.hostValues) instance.set(parameter, value);
      panel.idleAndTick();
      const ParameterValues before = values(instance);
      if (!playMouse(panel.window(), c.steps)) return false;

      const std::vector<Report> shown = takeReports(instance);
      EXPECT_EQ(shown.size(), c.expected.size()) << ::testing::PrintToString(shown);
      for (std::size_t i = 0; i < std::min(shown.size(), c.expected.size()); ++i)
        EXPECT_TRUE(sameReport(shown[i], c.expected[i]))
            << "report " << i << ": " << shown[i] << ", wanted " << c.expected[i];
      // Each moved parameter holds its last reported value; the others are untouched.
      ParameterValues wanted = before;
      for (const Report& report : shown) wanted[report.index] = report.value;
      EXPECT_EQ(values(instance), wanted);
      return true;
    }));
  }
}

}  // namespace

}  // namespace sweepfilter
