#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "ArmedIndicator.h"
#include "Canvas.h"
#include "DigitDisplay.h"
#include "RecordingListener.h"
#include "TestBitmapIds.h"
#include "TestWindow.h"
#include "TextDisplay.h"

namespace sweepfilter {

namespace {

constexpr COLORREF black = RGB(0, 0, 0);

void writeQuarter(float value, char* text) {
  // The buffer arrives empty; the value arrives as set.
  if (text[0] == 0 && value == 0.25f) std::strcpy(text, "a quarter");
}

// The text's size in a font made here from its description, not through the control's drawing.
SIZE extentOf(const char* text, FontKind kind) {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font = CreateFontA(-13, 0, 0, 0, kind == boldFont ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                           OUT_STRING_PRECIS, CLIP_STROKE_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
  const HGDIOBJ previous = SelectObject(dc, font);
  SIZE extent{};
  GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &extent);
  SelectObject(dc, previous);
  DeleteObject(font);
  DeleteDC(dc);
  return extent;
}

// Each channel between the two colours: an edge pixel of smoothed text.
bool mixOf(COLORREF shown, COLORREF a, COLORREF b) {
  for (int shift : {0, 8, 16}) {
    const int s = (shown >> shift) & 255, x = (a >> shift) & 255, y = (b >> shift) & 255;
    if (s < std::min(x, y) || s > std::max(x, y)) return false;
  }
  return true;
}

TEST(TextDisplay, WritesTheValueWithTwoDecimalsOrThroughItsConversion) {
  struct Shown {
    float value;
    ValueToTextFunction conversion;
    FontKind font;
    const char* text;
  };
  const Rect rect(10, 10, 110, 30);
  const COLORREF ink = RGB(0, 0, 120);
  const COLORREF paper = RGB(240, 230, 200);
  for (const Shown& c :
       {Shown{0.5f, nullptr, boldFont, "0.50"}, Shown{1.0f, nullptr, normalFont, "1.00"},
        Shown{-12.5f, nullptr, boldFont, "-12.50"}, Shown{0.25f, writeQuarter, boldFont, "a quarter"}}) {
    Canvas canvas(120, 40);
    canvas.fill(black);
    {
      TextDisplay display(rect);
      display.setFont(c.font);
      display.setTextColour({0, 0, 120});
      display.setBackgroundColour({240, 230, 200});
      display.setValueToText(c.conversion);
      display.setValue(c.value);
      CountingOwner owner;
      DrawContext context(owner, canvas.dc(), nullptr);
      display.draw(context);
    }
    // Paper from (10, 10) to (109, 29) on the black canvas; the text over both, in ink or a mix of the ink
    // with what lies beneath, and nowhere a pixel of anything else.
    Rect inked(120, 40, -1, -1);
    bool pureInk = false;
    int strays = 0;
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 120; ++x) {
        const COLORREF ground = x >= 10 && x < 110 && y >= 10 && y < 30 ? paper : black;
        const COLORREF shown = canvas.pixel(x, y);
        if (shown == ground) continue;
        strays += mixOf(shown, ink, ground) ? 0 : 1;
        pureInk = pureInk || shown == ink;
        inked =
            Rect(std::min(inked.left, x), std::min(inked.top, y), std::max(inked.right, x), std::max(inked.bottom, y));
      }
    }
    EXPECT_EQ(strays, 0) << c.text;
    EXPECT_TRUE(pureInk) << c.text;
    // As wide as the text in its font and as far from either edge, within a pixel of smoothing and rounding.
    EXPECT_NEAR(inked.right - inked.left + 1, extentOf(c.text, c.font).cx, 1) << c.text;
    EXPECT_NEAR(inked.left - rect.left, rect.right - 1 - inked.right, 1) << c.text;
  }
}

TEST(DigitDisplay, ShowsTheLeadingPlacesOfItsClampedNumber) {
  struct Shown {
    std::int32_t number;
    std::int32_t digitCount;
    const char* digits;
    float asValue;
  };
  const Shown cases[] = {
      {123456, 6, "123456", 0.36728f}, {40000, 6, "050000", 0.0f},  {300000, 6, "250000", 1.0f},
      {123456, 3, "123", 0.36728f},    {150000, 6, "150000", 0.5f},
  };
  PanelBitmap glyphs(TEST_DIGITS);
  const std::int32_t xs[] = {10, 20, 30, 40, 50, 60};
  const std::int32_t ys[] = {5, 6, 5, 6, 5, 6};
  for (const Shown& c : cases) {
    DigitDisplay display(Rect(0, 0, 80, 20), nullptr, 0, c.number, c.digitCount, xs, ys, 8, 12, &glyphs);
    Canvas canvas(80, 20);
    canvas.fill(black);
    {
      CountingOwner owner;
      DrawContext context(owner, canvas.dc(), nullptr);
      display.draw(context);
    }
    const std::string digits = c.digits;
    EXPECT_EQ(firstDifference(canvas, Rect(0, 0, 80, 20),
                              [&](int x, int y) {
                                for (size_t i = 0; i < digits.size(); ++i) {
                                  const int dx = x - xs[i];
                                  const int dy = y - ys[i];
                                  if (dx >= 0 && dx < 8 && dy >= 0 && dy < 12)
                                    return picture(TEST_DIGITS).pixel((digits[i] - '0') * 8 + dx, dy);
                                }
                                return black;
                              }),
              "")
        << c.number << " in " << c.digitCount << " digits";
    EXPECT_FLOAT_EQ(display.getNumberAsValue(), c.asValue) << c.number;
  }
}

TEST(ArmedIndicator, ShowsOnlyWhileArmedAndTakesOnePressAsAcknowledgement) {
  PanelBitmap strip(TEST_SWITCH_STRIP);
  RecordingListener listener;
  ArmedIndicator indicator(Rect(0, 0, 45, 16), &listener, 7, 4, 16, &strip, Point());
  Canvas canvas(45, 16);
  CountingOwner owner;
  DrawContext context(owner, canvas.dc(), nullptr);
  const auto shows = [&](std::int32_t row) {
    return firstDifference(canvas, Rect(0, 0, 45, 16), [&](int x, int y) {
      return row < 0 ? black : picture(TEST_SWITCH_STRIP).pixel(x, y + row);
    });
  };

  // Steps cycle through 0 to stepCount − 2.
  for (float expected : {1.0f, 2.0f, 0.0f, 1.0f, 2.0f}) {
    indicator.advance();
    EXPECT_EQ(indicator.getValue(), expected);
  }

  canvas.fill(black);
  indicator.draw(context);
  EXPECT_EQ(shows(-1), "") << "disarmed, it paints nothing";
  indicator.mouse(context, Point(3, 3));
  EXPECT_TRUE(listener.reports.empty()) << "disarmed, it ignores presses";

  indicator.arm();
  indicator.draw(context);
  EXPECT_EQ(shows(32), "");
  indicator.mouse(context, Point(3, 3));
  indicator.mouse(context, Point(3, 3));
  EXPECT_EQ(listener.reports, (std::vector<Report>{{7, 2.1f}}));

  canvas.fill(black);
  indicator.draw(context);
  EXPECT_EQ(shows(-1), "") << "acknowledged, it paints nothing again";
  indicator.advance();
  EXPECT_EQ(indicator.getValue(), 0.0f);
}

}  // namespace

}  // namespace sweepfilter
