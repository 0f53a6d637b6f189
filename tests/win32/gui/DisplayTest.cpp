#include <gtest/gtest.h>

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

TEST(TextDisplay, WritesTheValueWithTwoDecimalsOrThroughItsConversion) {
  struct Shown {
    float value;
    ValueToTextFunction conversion;
    const char* text;
  };
  const Rect rect(10, 10, 110, 30);
  const Colour ink{0, 0, 120};
  const Colour paper{240, 230, 200};
  for (const Shown& c :
       {Shown{0.5f, nullptr, "0.50"}, Shown{1.0f, nullptr, "1.00"}, Shown{0.25f, writeQuarter, "a quarter"}}) {
    Canvas drawn(120, 40);
    Canvas expected(120, 40);
    CountingOwner owner;
    {
      TextDisplay display(rect);
      display.setFont(boldFont);
      display.setTextColour(ink);
      display.setBackgroundColour(paper);
      display.setValueToText(c.conversion);
      display.setValue(c.value);
      DrawContext context(owner, drawn.dc(), nullptr);
      display.draw(context);
    }
    {
      DrawContext context(owner, expected.dc(), nullptr);
      context.setFillColour(paper);
      context.fillRect(rect);
      context.setTextColour(ink);
      context.setFont(boldFont);
      context.drawString(c.text, rect, false);
    }
    EXPECT_EQ(firstDifference(drawn, Rect(0, 0, 120, 40), [&](int x, int y) { return expected.pixel(x, y); }), "")
        << c.text;
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
