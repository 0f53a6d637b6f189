#include <gtest/gtest.h>

#include "Canvas.h"
#include "HandleKnob.h"
#include "TestBitmapIds.h"
#include "TestWindow.h"
#include "VerticalSlider.h"

namespace sweepfilter {

namespace {

constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF white = RGB(255, 255, 255);

// What a canvas should show: the handle's own pixels over whatever the base is.
COLORREF handleOver(COLORREF base, const Rect& handle, int x, int y) {
  if (x < handle.left || x >= handle.right || y < handle.top || y >= handle.bottom) return base;
  const COLORREF own = picture(TEST_HANDLE).pixel(x - handle.left, y - handle.top);
  return own == white ? base : own;
}

bool inside(const Rect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

TEST(SliderDrawing, RepaintsItsTrackAndPutsTheHandleWhereTheValueSays) {
  struct Place {
    float value;
    std::int32_t handleTop;
    std::int32_t visibleRows;
  };
  // Travel from 10 to 91: 81 rows, so one half truncates 40.5 to 40.
  const Place cases[] = {
      {1.0f, 10, 38},  {0.0f, 91, 38},  {0.5f, 50, 38},
      {1.5f, 10, 38},  {-0.1f, 99, 30},  // cut off at the travel's end plus the handle's height
      {-1.0f, 172, 0},
  };
  PanelBitmap background(TEST_BACKGROUND);
  PanelBitmap handle(TEST_HANDLE);
  const Rect track(20, 5, 44, 135);
  for (const Place& c : cases) {
    VerticalSlider slider(Rect(20, 10, 44, 140), nullptr, 0, 10, 91, &handle, track, Rect(0, 0, 24, 38), &background);
    slider.setValue(c.value);
    Canvas canvas(200, 150);
    canvas.fill(black);
    {
      CountingOwner owner;
      DrawContext context(owner, canvas.dc(), nullptr);
      slider.draw(context);
    }
    const Rect shown(20, c.handleTop, 44, c.handleTop + c.visibleRows);
    EXPECT_EQ(firstDifference(canvas, Rect(0, 0, 200, 150),
                              [&](int x, int y) {
                                if (!inside(track, x, y)) return black;
                                const COLORREF panel = picture(TEST_BACKGROUND).pixel(x, y);
                                return inside(shown, x, y) ? handleOver(panel, shown, x, y) : panel;
                              }),
              "")
        << "value " << c.value;
  }
}

TEST(HandleKnobDrawing, PutsTheHandleOnItsCircleOverTheBackground) {
  struct Place {
    float value;
    Point corner;  // the handle's top-left corner from the knob's
  };
  // A 60-pixel knob with a 24-pixel handle turns it on a circle of radius 18.
  const Place cases[] = {{0.0f, {5, 30}}, {0.5f, {18, 0}}, {1.0f, {30, 30}}};
  PanelBitmap background(TEST_BACKGROUND);
  PanelBitmap handle(TEST_HANDLE);
  const Rect rect(20, 20, 80, 80);
  for (const Place& c : cases) {
    HandleKnob knob(rect, nullptr, 0, &background, &handle, Point(20, 20));
    knob.setValue(c.value);
    Canvas canvas(200, 150);
    canvas.fill(black);
    {
      CountingOwner owner;
      DrawContext context(owner, canvas.dc(), nullptr);
      knob.draw(context);
    }
    const Rect handleRect(rect.left + c.corner.x, rect.top + c.corner.y, rect.left + c.corner.x + 24,
                          rect.top + c.corner.y + 38);
    EXPECT_EQ(firstDifference(canvas, Rect(0, 0, 200, 150),
                              [&](int x, int y) {
                                const COLORREF base = inside(rect, x, y) ? picture(TEST_BACKGROUND).pixel(x, y) : black;
                                return handleOver(base, handleRect, x, y);
                              }),
              "")
        << "value " << c.value;
  }
}

}  // namespace

}  // namespace sweepfilter
