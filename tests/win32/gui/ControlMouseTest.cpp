#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FilmStripKnob.h"
#include "FlipToggle.h"
#include "HandleKnob.h"
#include "KickButton.h"
#include "MultiPositionSwitch.h"
#include "OnOffButton.h"
#include "SwitchLimits.h"
#include "TestPanel.h"
#include "ThreadSleeps.h"
#include "VerticalSlider.h"
#include "VerticalSwitch.h"

namespace sweepfilter {

namespace {

constexpr std::int32_t tag = 5;

struct Gesture {
  std::string name;
  std::function<void(TestPanel&)> build;
  std::vector<MouseStep> steps;
  std::vector<float> reported;
  float tolerance = 0;                             // 0: exactly
  std::optional<float> valueAfter = std::nullopt;  // of the control added last, when given
};

void expectReports(const Gesture& gesture) {
  const std::unique_ptr<TestPanel> panel = playOnFreshPanel(gesture.build, gesture.steps);
  ASSERT_TRUE(panel) << gesture.name << ": the presses never reached the panel";
  const std::vector<Report>& reports = panel->listener.reports;
  ASSERT_EQ(reports.size(), gesture.reported.size()) << gesture.name << ": " << testing::PrintToString(reports);
  for (size_t i = 0; i < reports.size(); ++i) {
    EXPECT_EQ(reports[i].tag, tag) << gesture.name;
    if (gesture.tolerance == 0)
      EXPECT_EQ(reports[i].value, gesture.reported[i]) << gesture.name << ", report " << i;
    else
      EXPECT_NEAR(reports[i].value, gesture.reported[i], gesture.tolerance) << gesture.name << ", report " << i;
  }
  if (gesture.valueAfter) {
    EXPECT_EQ(panel->added->getValue(), *gesture.valueAfter) << gesture.name;
  }
}

std::vector<MouseStep> pressAt(int x, int y, std::vector<MouseStep> then) {
  std::vector<MouseStep> steps{moveTo(x, y), press()};
  steps.insert(steps.end(), then.begin(), then.end());
  steps.push_back(release());
  return steps;
}

// A film-strip knob 40 × 67 at (20, 20), turning about (40, 40), showing 0.3.
std::function<void(TestPanel&)> knob(float min = 0, float max = 1) {
  return [=](TestPanel& panel) {
    auto& knob = panel.add<FilmStripKnob>(Rect(20, 20, 60, 87), &panel.listener, tag, 30, 67, &pictures().knobStrip,
                                          Point(20, 20));
    knob.setMin(min);
    knob.setMax(max);
    knob.setValue(0.3f);
  };
}

TEST(ControlMouse, KnobsFollowThePointersAngleOnTheDial) {
  const Gesture gestures[] = {
      {"12 o'clock", knob(), clickAt(40, 25), {0.5f}},
      {"3 o'clock", knob(), clickAt(59, 40), {5.0f / 6}, 0.02f},
      {"9 o'clock", knob(), clickAt(21, 40), {1.0f / 6}, 0.02f},
      {"dead zone left of straight down", knob(), clickAt(35, 80), {0.0f}},
      {"dead zone right of straight down", knob(), clickAt(45, 80), {1.0f}},
      {"dead zone with a narrowed range", knob(0.2f, 0.8f), clickAt(35, 80), {0.2f}},
      {"right button", knob(), clickAt(40, 25, MK_RBUTTON), {0.5f}},
      {"middle button", knob(), clickAt(40, 25, MK_MBUTTON), {}},
      // Across the bottom the value jumps from one end to the other, once.
      {"drag across the bottom",
       knob(),
       pressAt(25, 75, {moveTo(32, 75), moveTo(40, 75), moveTo(48, 75), moveTo(55, 75)}),
       {0.0f, 1.0f}},
      {"handle knob at 12 o'clock",
       [](TestPanel& panel) {
         auto& knob = panel.add<HandleKnob>(Rect(100, 20, 160, 80), &panel.listener, tag, &pictures().background,
                                            &pictures().handle, Point(100, 20));
         knob.setValue(0.3f);
       },
       clickAt(118, 25),
       {0.5f}},
  };
  for (const Gesture& gesture : gestures) expectReports(gesture);
}

// A three-position switch on the 45-pixel strip at (20, 100), showing the start value.
std::function<void(TestPanel&)> slideSwitch(int positions, float start) {
  return [=](TestPanel& panel) {
    panel
        .add<MultiPositionSwitch>(Rect(20, 100, 65, 116), &panel.listener, tag, 5, 16, positions,
                                  &pictures().switchStrip, Point(20, 100))
        .setValue(start);
  };
}

// The three-position selector on the 70-pixel strip at (80, 20).
std::function<void(TestPanel&)> selector() {
  return [](TestPanel& panel) {
    panel.add<MultiPositionSwitch>(Rect(80, 20, 150, 94), &panel.listener, tag, 3, 74, 3, &pictures().selectorStrip,
                                   Point(80, 20));
  };
}

std::function<void(TestPanel&)> verticalSwitch() {
  return [](TestPanel& panel) {
    panel.add<VerticalSwitch>(Rect(20, 100, 65, 116), &panel.listener, tag, 5, 16, 3, &pictures().switchStrip,
                              Point(20, 100));
  };
}

TEST(ControlMouse, SwitchesPickThePositionAtTheirPixelLimits) {
  // A click at each limit of the shared table, on a switch that shows another value.
  for (const SwitchLimit& limit : switchLimits) {
    const bool wide = limit.width == 70;
    const int left = wide ? 80 : 20, y = wide ? 50 : 108;
    const float start = limit.value == 0.0f ? 1.0f : 0.0f;
    expectReports({limit.where,
                   wide ? selector() : slideSwitch(limit.positions, start),
                   clickAt(left + limit.dx, y),
                   {limit.value}});
  }
  const Gesture gestures[] = {
      // Each position once, in crossing order; beyond the edges the ends hold.
      {"dragged across and back",
       slideSwitch(3, 0),
       pressAt(22, 108, {moveTo(40, 108), moveTo(42, 112), moveTo(60, 108), moveTo(120, 140), moveTo(10, 108)}),
       {0.33f, 0.66f, 1.0f, 0.33f}},
      {"vertical, dy 4", verticalSwitch(), clickAt(30, 104), {0.3f}},
      {"vertical, dy 5", verticalSwitch(), clickAt(30, 105), {0.6f}},
      {"vertical, dy 9", verticalSwitch(), clickAt(30, 109), {0.6f}},
      {"vertical, dy 10", verticalSwitch(), clickAt(30, 110), {1.0f}},
  };
  for (const Gesture& gesture : gestures) expectReports(gesture);
}

TEST(ControlMouse, PressesReachAControlOnItsRightAndBottomEdgesButNotOnePixelBeyond) {
  // The switch covers x 20 to 65 and y 100 to 116; a press it gets always changes its value.
  const Gesture gestures[] = {
      {"right edge", slideSwitch(3, 0), clickAt(65, 108), {1.0f}},
      {"bottom edge", slideSwitch(3, 0), clickAt(30, 116), {0.33f}},
      {"bottom right corner", slideSwitch(3, 0), clickAt(65, 116), {1.0f}},
      {"right of the right edge", slideSwitch(3, 0), clickAt(66, 108), {}},
      {"below the bottom edge", slideSwitch(3, 0), clickAt(30, 117), {}},
  };
  for (const Gesture& gesture : gestures) expectReports(gesture);
}

template <typename ButtonClass>
std::function<void(TestPanel&)> button(float start) {
  return [=](TestPanel& panel) {
    panel.add<ButtonClass>(Rect(20, 100, 65, 116), &panel.listener, tag, 16, &pictures().switchStrip, Point(20, 100))
        .setValue(start);
  };
}

std::function<void(TestPanel&)> flipToggle(float start) {
  return [=](TestPanel& panel) {
    panel.add<FlipToggle>(Rect(20, 100, 65, 116), &panel.listener, tag, &pictures().switchStrip).setValue(start);
  };
}

TEST(ControlMouse, ButtonsFlipWhileThePointerIsOnThem) {
  const Gesture gestures[] = {
      {"on/off at 0, clicked", button<OnOffButton>(0), clickAt(30, 108), {1.0f}},
      {"on/off at 1, clicked", button<OnOffButton>(1), clickAt(30, 108), {0.0f}},
      {"on/off dragged off before release", button<OnOffButton>(0), pressAt(30, 108, {moveTo(100, 140)}), {1.0f, 0.0f}},
      {"on/off dragged off and back",
       button<OnOffButton>(0),
       pressAt(30, 108, {moveTo(100, 140), moveTo(64, 116)}),
       {1.0f, 0.0f, 1.0f}},
      {"kick clicked", button<KickButton>(0), clickAt(30, 108), {1.0f, 0.0f}},
      {"kick dragged off before release",
       button<KickButton>(0),
       pressAt(30, 108, {moveTo(100, 140)}),
       {1.0f, 0.0f, 0.0f}},
      // The flip toggle flips at the press and keeps it, and its listener never hears.
      {"flip at 0, clicked", flipToggle(0), clickAt(30, 108), {}, 0, 1.0f},
      {"flip at 1, clicked", flipToggle(1), clickAt(30, 108), {}, 0, 0.0f},
      {"flip at 0.5, clicked", flipToggle(0.5f), clickAt(30, 108), {}, 0, 0.0f},
      {"flip clicked twice", flipToggle(0), {moveTo(30, 108), press(), release(), press(), release()}, {}, 0, 0.0f},
      {"flip dragged off before release", flipToggle(0), pressAt(30, 108, {moveTo(100, 140)}), {}, 0, 1.0f},
  };
  for (const Gesture& gesture : gestures) expectReports(gesture);
}

// A slider at (150, 10) travelling from 10 to 91 (81 pixels) with its 38-pixel handle.
std::function<void(TestPanel&)> slider(float start) {
  return [=](TestPanel& panel) {
    panel
        .add<VerticalSlider>(Rect(150, 10, 174, 140), &panel.listener, tag, 10, 91, &pictures().handle,
                             Rect(150, 5, 174, 135), Rect(0, 0, 24, 38), &pictures().background)
        .setValue(start);
  };
}

TEST(ControlMouse, SlidersMoveOnlyWhenTheHandleIsGrabbed) {
  const Gesture gestures[] = {
      // The handle sits at 91 for 0; grabbed 10 below its top, it follows the pointer up.
      {"grabbed and moved 17 pixels", slider(0), pressAt(155, 101, {moveTo(155, 84)}), {17.0f / 81}, 1e-6f},
      {"moved above the travel, released outside the window",
       slider(0),
       pressAt(155, 101, {moveTo(155, 84), moveTo(160, 3), moveTo(300, 3)}),
       {17.0f / 81, 1.0f},
       1e-6f},
      // Beside the handle nothing moves, however the pointer goes on.
      {"pressed above the handle", slider(0), pressAt(155, 60, {moveTo(155, 40)}), {}},
      {"pressed on the row below the handle", slider(0), pressAt(155, 129, {moveTo(155, 100)}), {}},
      {"pressed on the column right of the handle", slider(0), pressAt(174, 100, {moveTo(174, 70)}), {}},
      // At 0.5 the handle is drawn at 10 + trunc(40.5): a press without a move reads back 41/81.
      {"pressed without moving", slider(0.5f), clickAt(160, 60), {41.0f / 81}, 1e-6f},
  };
  for (const Gesture& gesture : gestures) expectReports(gesture);
}

// Notes how often the main thread has slept at each pass of its drag loop.
class PassRecorder : public Control {
 public:
  using Control::Control;

  void draw(DrawContext&) override { oldValue = value; }
  void mouse(DrawContext& context, const Point& point) override {
    dragWhileHeld(context, point, [&](const Point&) {
      sleepsAtPass.push_back(mainThreadSleeps());
      return 0.0f;
    });
  }

  std::vector<std::int64_t> sleepsAtPass;
};

TEST(ControlMouse, AHeldDragGivesUpTheProcessorBetweenPolls) {
  PassRecorder* recorder = nullptr;
  const auto panel = playOnFreshPanel(
      [&](TestPanel& fresh) { recorder = &fresh.add<PassRecorder>(Rect(20, 20, 60, 60), &fresh.listener, tag); },
      pressAt(40, 40, {moveTo(41, 41), moveTo(40, 40)}));
  ASSERT_TRUE(panel);
  const std::vector<std::int64_t>& sleepsAtPass = recorder->sleepsAtPass;
  ASSERT_GT(sleepsAtPass.size(), 10u) << "a drag held that long polls many times";
  size_t withoutSleep = 0;
  for (size_t i = 1; i < sleepsAtPass.size(); ++i) withoutSleep += sleepsAtPass[i] > sleepsAtPass[i - 1] ? 0 : 1;
  EXPECT_EQ(withoutSleep, 0u) << "of " << sleepsAtPass.size() << " passes";
}

}  // namespace

}  // namespace sweepfilter
