#include <gtest/gtest.h>

#include "AngleToValue.h"

namespace sweepfilter {
namespace {

struct DialCase {
  const char* where;
  Point point;  // relative to the control's corner; the centre is (20, 20)
  float min;
  float max;
  float expected;
  float tolerance;
};

TEST(AngleToValue, MapsTheDialAndItsDeadZone) {
  const DialCase cases[] = {
      {"straight above the centre", {20, 5}, 0, 1, 0.5f, 0},
      {"on the centre itself", {20, 20}, 0, 1, 0.5f, 0},
      {"far out at 3 o'clock", {1000, 20}, 0, 1, 5.0f / 6, 1e-3f},
      {"far out at 9 o'clock", {-960, 20}, 0, 1, 1.0f / 6, 1e-3f},
      {"at 1:30", {30, 10}, 0, 1, 2.0f / 3, 1e-6f},
      {"at 7:30, the lower end", {10, 30}, 0, 1, 0, 1e-6f},
      {"at 4:30, the upper end", {30, 30}, 0, 1, 1, 1e-6f},
      {"dead zone left of straight down", {18, 38}, 0, 1, 0, 0},
      {"straight down", {20, 38}, 0, 1, 1, 0},
      {"dead zone right of straight down", {22, 38}, 0, 1, 1, 0},
      {"above the centre, narrowed range", {20, 5}, 0.2f, 0.8f, 0.5f, 1e-6f},
      {"lower left, narrowed range", {10, 38}, 0.2f, 0.8f, 0.2f, 0},
      {"lower right, narrowed range", {30, 38}, 0.2f, 0.8f, 0.8f, 0},
  };
  for (const DialCase& c : cases) {
    const float value = angleToValue(c.point, 20.0f, c.min, c.max);
    if (c.tolerance == 0)
      EXPECT_EQ(value, c.expected) << c.where;
    else
      EXPECT_NEAR(value, c.expected, c.tolerance) << c.where;
  }
}

}  // namespace
}  // namespace sweepfilter
