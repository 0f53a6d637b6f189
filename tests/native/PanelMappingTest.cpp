#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "OnOffStates.h"
#include "PanelLayout.h"
#include "SliderTravel.h"
#include "SwitchLimits.h"
#include "SwitchPositions.h"

namespace sweepfilter {
namespace {

TEST(PanelMapping, SwitchesPickThePositionAtTheirPixelLimits) {
  for (const SwitchLimit& limit : switchLimits)
    EXPECT_EQ(switchValueAt(limit.dx, limit.width, limit.positions), limit.value) << limit.where;
  // Beyond the edges the ends hold.
  EXPECT_EQ(switchValueAt(-5, 45, 5), 0.2f);
  EXPECT_EQ(switchValueAt(60, 45, 4), 1.0f);
}

TEST(PanelMapping, SwitchFramesChangeJustAboveEachBound) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct FrameCase {
    int positions;
    float value;
    int frame;
  };
  const FrameCase cases[] = {
      {3, 0.0f, 0}, {3, 0.33f, 0}, {3, 0.331f, 1}, {3, 0.66f, 1}, {3, 0.661f, 2}, {3, 1.0f, 2},
      {2, 0.5f, 0}, {2, 0.51f, 1}, {4, 0.25f, 0},  {4, 0.26f, 1}, {4, 0.75f, 2},  {4, 0.76f, 3},
      {5, 0.8f, 3}, {5, 0.81f, 4}, {5, 0.2f, 0},   {3, nan, 0},   {6, 1.0f, 0},   {1, 1.0f, 0},
  };
  for (const FrameCase& c : cases)
    EXPECT_EQ(switchFrame(c.value, c.positions), c.frame) << c.positions << " positions, " << c.value;
}

TEST(PanelMapping, TheSliderHandleFollowsThePointerByItsGrabOffset) {
  const panel_layout::SliderPlacement& input = panel_layout::inputSlider;
  const SliderTravel travel{input.rect.left, input.rect.top, input.travelTop, input.travelBottom, 24, 38};
  // Drawn: 36 for 1, 209 for 0, 36 + trunc(86.5) for 0.5; above 1 stays at the top,
  // below 0 the painted bottom is cut off at the travel's end.
  EXPECT_EQ(travel.handleTop(1.0f), 36);
  EXPECT_EQ(travel.handleTop(0.0f), 209);
  EXPECT_EQ(travel.handleTop(0.5f), 122);
  EXPECT_EQ(travel.handleTop(2.0f), 36);
  EXPECT_EQ(travel.handleBottom(travel.handleTop(-1.0f)), 247);
  EXPECT_EQ(travel.handleTop(std::numeric_limits<float>::quiet_NaN()), 36);
  EXPECT_EQ(travel.handleBottom(travel.handleTop(-1e30f)), 247);
  // Grabbed: the handle's own test leaves out its right column and bottom row.
  EXPECT_TRUE(travel.grabs({20, 209}, 209));
  EXPECT_TRUE(travel.grabs({43, 246}, 209));
  EXPECT_FALSE(travel.grabs({44, 220}, 209));
  EXPECT_FALSE(travel.grabs({30, 247}, 209));
  EXPECT_FALSE(travel.grabs({19, 220}, 209));
  // Grabbed 10 pixels below the top and moved up 17 pixels; above the travel, exactly 1.
  EXPECT_FLOAT_EQ(travel.valueAt(219 - 17, 10), 17.0f / 173);
  EXPECT_EQ(travel.valueAt(36 + 9, 10), 1.0f);
  EXPECT_EQ(travel.valueAt(400, 10), 0.0f);
}

// What a host's value looks like on the button and what a press on the button
// as drawn turns it to: lit for anything but 0, and only unlit turns on.
TEST(PanelMapping, TheModeButtonShowsAndFlipsWhatTheHostSet) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    float set;
    std::int32_t frame;
    float pressed;
  };
  const Case cases[] = {{0.0f, 0, 1.0f}, {1.0f, 1, 0.0f},  {0.4f, 1, 0.0f}, {0.01f, 1, 0.0f},
                        {2.0f, 1, 0.0f}, {-1.0f, 0, 1.0f}, {nan, 0, 0.0f}};
  for (const Case& c : cases) {
    const float shown = onOffShown(c.set);
    EXPECT_EQ(onOffFrame(shown), c.frame) << c.set;
    EXPECT_EQ(onOffWhileHeld(shown, true), c.pressed) << c.set;
  }
  EXPECT_EQ(onOffShown(2.0f), 1.0f);
  EXPECT_EQ(onOffWhileHeld(0.4f, false), 0.4f);
}

}  // namespace
}  // namespace sweepfilter
