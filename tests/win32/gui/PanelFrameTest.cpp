#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "BlankControl.h"
#include "Canvas.h"
#include "FilmStripKnob.h"
#include "GdiObjects.h"
#include "HandleKnob.h"
#include "KickButton.h"
#include "ModuleInstance.h"
#include "MultiPositionSwitch.h"
#include "OnOffButton.h"
#include "StripDisplay.h"
#include "TestPanel.h"
#include "TextDisplay.h"
#include "VerticalSlider.h"

namespace sweepfilter {

namespace {

// Logs its tag at every drawing, like a real control setting oldValue as it draws.
class LoggingControl : public Control {
 public:
  LoggingControl(const Rect& rect, std::int32_t tag, std::vector<std::int32_t>& log)
      : Control(rect, nullptr, tag), log(log) {}

  void draw(DrawContext&) override {
    log.push_back(tag);
    oldValue = value;
  }

 private:
  std::vector<std::int32_t>& log;
};

bool classRegistered() {
  WNDCLASSA found{};
  return GetClassInfoA(moduleInstance, "PluginWindowClass", &found) != 0;
}

TEST(PanelFrame, CreatesAVisibleChildWindowOfTheSharedClassUntilTheLastFrameGoes) {
  ASSERT_FALSE(classRegistered());
  auto first = std::make_unique<PanelFrame>(Rect(10, 20, 110, 70), testWindow());
  auto second = std::make_unique<PanelFrame>(Rect(0, 0, 50, 50), testWindow());
  const HWND window = first->getWindow();

  char text[64] = {};
  GetClassNameA(window, text, sizeof text);
  EXPECT_STREQ(text, "PluginWindowClass");
  GetWindowTextA(window, text, sizeof text);
  EXPECT_STREQ(text, "Window");
  EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_POPUP), WS_CHILD | WS_VISIBLE);
  EXPECT_EQ(GetParent(window), testWindow());
  RECT place{};
  GetWindowRect(window, &place);
  MapWindowPoints(nullptr, testWindow(), reinterpret_cast<POINT*>(&place), 2);
  EXPECT_EQ(place.left, 10);
  EXPECT_EQ(place.top, 20);
  EXPECT_EQ(place.right, 110);
  EXPECT_EQ(place.bottom, 70);

  first.reset();
  EXPECT_FALSE(IsWindow(window)) << "the frame takes its window with it";
  EXPECT_TRUE(classRegistered()) << "the second frame still needs the class";
  // The host may destroy the window before the frame goes.
  DestroyWindow(second->getWindow());
  second.reset();
  EXPECT_FALSE(classRegistered());
}

TEST(PanelFrame, PaintsTheBackgroundAndEveryControlOverItWhateverTheUpdateRegion) {
  TestPanel panel;
  std::vector<std::int32_t> log;
  for (std::int32_t i = 0; i < 3; ++i) panel.add<LoggingControl>(Rect(i * 10, 0, i * 10 + 5, 5), i, log);
  panel.add<FilmStripKnob>(Rect(20, 20, 60, 87), nullptr, 3, 30, 67, &pictures().knobStrip, Point(20, 20))
      .setValue(0.5f);
  const HWND window = panel.frame.getWindow();
  panel.show();
  EXPECT_EQ(log, (std::vector<std::int32_t>{0, 1, 2}));

  // Read back what the window shows.
  Canvas shown(200, 150);
  HDC surface = GetDC(window);
  BitBlt(shown.dc(), 0, 0, 200, 150, surface, 0, 0, SRCCOPY);
  ReleaseDC(window, surface);
  EXPECT_EQ(firstDifference(shown, Rect(0, 10, 200, 150),
                            [](int x, int y) {
                              if (x >= 20 && x < 60 && y >= 20 && y < 87)
                                return picture(TEST_KNOB_STRIP).pixel(x - 20, y - 20 + 14 * 67);
                              return picture(TEST_BACKGROUND).pixel(x, y);
                            }),
            "");

  log.clear();
  ValidateRect(window, nullptr);
  SendMessageA(window, WM_PAINT, 0, 0);
  EXPECT_TRUE(log.empty()) << "an empty update region paints nothing";

  const RECT corner{190, 140, 200, 150};
  InvalidateRect(window, &corner, FALSE);
  SendMessageA(window, WM_PAINT, 0, 0);
  EXPECT_EQ(log, (std::vector<std::int32_t>{0, 1, 2})) << "any update region repaints everything";
}

TEST(PanelFrame, TimerTicksRedrawOnlyTheControlsWhoseValueChanged) {
  TestPanel panel;
  std::vector<std::int32_t> log;
  std::vector<LoggingControl*> controls;
  for (std::int32_t i = 0; i < 3; ++i) controls.push_back(&panel.add<LoggingControl>(Rect(0, 0, 5, 5), i, log));
  panel.show();
  log.clear();

  controls[1]->setValue(0.7f);
  EXPECT_TRUE(pumpUntil([&] { return !log.empty(); }, 5000)) << "the 50 ms timer never ticked";
  pumpMessages(300);
  EXPECT_EQ(log, (std::vector<std::int32_t>{1})) << "later ticks draw nothing";
}

TEST(PanelFrame, GrowsItsListByTenKeepingTheOrder) {
  TestPanel panel;
  std::vector<std::int32_t> log;
  std::vector<LoggingControl*> controls;
  for (std::int32_t i = 0; i < 10; ++i) controls.push_back(&panel.add<LoggingControl>(Rect(0, 0, 5, 5), i, log));
  EXPECT_EQ(panel.frame.getControlCapacity(), 10);
  panel.add<LoggingControl>(Rect(0, 0, 5, 5), 10, log);
  EXPECT_EQ(panel.frame.getControlCapacity(), 20);
  EXPECT_EQ(panel.frame.getControlCount(), 11);
  panel.show();
  EXPECT_EQ(log, (std::vector<std::int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

  // Taking one out closes the gap and leaves the control to its taker.
  const std::unique_ptr<LoggingControl> taken(controls[4]);
  EXPECT_TRUE(panel.frame.removeControl(taken.get()));
  EXPECT_EQ(panel.frame.getControlCount(), 10);
  log.clear();
  panel.show();
  EXPECT_EQ(log, (std::vector<std::int32_t>{0, 1, 2, 3, 5, 6, 7, 8, 9, 10}));
}

TEST(PanelFrame, APressWhereRectanglesTouchReachesBothControlsInListOrder) {
  const auto panel = playOnFreshPanel(
      [](TestPanel& fresh) {
        // The switch is listed first although it lies right of the button; both own the column x = 65.
        fresh.add<MultiPositionSwitch>(Rect(65, 100, 110, 116), &fresh.listener, 2, 5, 16, 3, &pictures().switchStrip,
                                       Point());
        fresh.add<OnOffButton>(Rect(20, 100, 65, 116), &fresh.listener, 1, 16, &pictures().switchStrip, Point());
      },
      clickAt(65, 108));
  ASSERT_TRUE(panel);
  // The button's call comes after the release: a plain click.
  EXPECT_EQ(panel->listener.reports, (std::vector<Report>{{2, 0.33f}, {1, 1.0f}}));
}

TEST(PanelFrame, RepeatedDrawingAndTeardownLeaveNoGdiObject) {
  pictures();
  const std::int64_t liveBefore = gdiObjects::live();
  const std::int64_t wrongBefore = gdiObjects::deletedWhileSelected();
  {
    PanelBitmap background(TEST_BACKGROUND);
    PanelBitmap strip(TEST_KNOB_STRIP);
    PanelBitmap switches(TEST_SWITCH_STRIP);
    PanelBitmap handle(TEST_HANDLE);
    TestPanel panel;
    panel.frame.setBackground(&background);
    std::vector<Control*> controls = {
        &panel.add<FilmStripKnob>(Rect(20, 20, 60, 87), &panel.listener, 0, 30, 67, &strip, Point()),
        &panel.add<HandleKnob>(Rect(100, 20, 160, 80), &panel.listener, 0, &background, &handle, Point(100, 20)),
        &panel.add<VerticalSlider>(Rect(170, 10, 194, 140), &panel.listener, 0, 10, 91, &handle, Rect(170, 5, 194, 135),
                                   Rect(0, 0, 24, 38), &background),
        &panel.add<MultiPositionSwitch>(Rect(20, 100, 65, 116), &panel.listener, 0, 5, 16, 5, &switches, Point()),
        &panel.add<KickButton>(Rect(70, 100, 115, 116), &panel.listener, 0, 16, &switches, Point()),
        &panel.add<StripDisplay>(Rect(20, 120, 60, 136), &panel.listener, 0, 5, 16, &switches, Point()),
        &panel.add<TextDisplay>(Rect(70, 120, 160, 140)),
        &panel.add<BlankControl>(Rect(0, 0, 200, 150), &panel.listener, 1, 30, 67.0f, &strip),
    };
    panel.show();
    for (int tick = 1; tick <= 40; ++tick) {
      for (Control* control : controls) control->setValue(static_cast<float>(tick % 7) / 6);
      SendMessageA(panel.frame.getWindow(), WM_TIMER, 0, 0);
    }
    panel.show();
    // The switch redraws through its drag loop; the blank control under
    // everything is pressed too and keeps its value without a word.
    if (panel.play(clickAt(40, 108))) {
      EXPECT_EQ(panel.listener.reports, (std::vector<Report>{{0, 0.6f}}));
    }
    EXPECT_EQ(controls.back()->getValue(), 5.0f / 6);
  }
  EXPECT_EQ(gdiObjects::live(), liveBefore);
  EXPECT_EQ(gdiObjects::deletedWhileSelected(), wrongBefore);
}

}  // namespace

}  // namespace sweepfilter
