#include <gtest/gtest.h>

#include "Canvas.h"
#include "DrawContext.h"
#include "GdiObjects.h"
#include "PanelFrame.h"
#include "TestWindow.h"

namespace sweepfilter {

namespace {

constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF white = RGB(255, 255, 255);

TEST(DrawContext, OutlinesAndFillsLandOnTheirPixels) {
  Canvas canvas(60, 30);
  canvas.fill(black);
  CountingOwner owner;
  {
    DrawContext context(owner, canvas.dc(), nullptr);
    context.setLineColour({200, 10, 20});
    context.frameRect(Rect(5, 5, 15, 12));
    context.setFillColour({1, 2, 3});
    context.fillRect(Rect(30, 5, 40, 12));
  }
  // The outline includes the right column and bottom row; the fill leaves them out.
  EXPECT_EQ(firstDifference(canvas, Rect(0, 0, 25, 20),
                            [](int x, int y) {
                              const bool column = (x == 5 || x == 15) && y >= 5 && y <= 12;
                              const bool row = (y == 5 || y == 12) && x >= 5 && x <= 15;
                              return column || row ? RGB(200, 10, 20) : black;
                            }),
            "");
  EXPECT_EQ(firstDifference(canvas, Rect(25, 0, 60, 20),
                            [](int x, int y) { return x >= 30 && x < 40 && y >= 5 && y < 12 ? RGB(1, 2, 3) : black; }),
            "");
}

struct Placement {
  int extraWidth;  // the rectangle's size beyond the text's
  int extraHeight;
  int expectedX;         // from the rectangle's left edge
  int expectedBaseline;  // from the rectangle's bottom edge
  bool opaque;
};

TEST(DrawContext, DrawStringCentresTheTextWithItsBaselineMeasuredFromTheBottom) {
  const Placement cases[] = {
      {0, 0, 0, 0, false},     // as high as the text: baseline on the bottom edge
      {10, -3, 5, -1, false},  // lower than the text: half the difference above, −3/2 truncated
      {-10, 4, -5, 2, false},  // narrower runs over both edges; higher puts the baseline below
      {7, 3, 3, 1, true},      // opaque: the text cell takes the fill colour
  };
  const char* text = "Hgj";
  CountingOwner owner;
  for (const Placement& c : cases) {
    Canvas drawn(140, 80);
    Canvas expected(140, 80);
    for (Canvas* canvas : {&drawn, &expected}) {
      canvas->fill(white);
      DrawContext context(owner, canvas->dc(), nullptr);
      context.setFont(normalFont);
      context.setTextColour({0, 0, 90});
      context.setFillColour({250, 200, 0});
      SIZE extent{};
      GetTextExtentPoint32A(canvas->dc(), text, 3, &extent);
      const Rect rect(40, 20, 40 + extent.cx + c.extraWidth, 20 + extent.cy + c.extraHeight);
      if (canvas == &drawn) {
        context.drawString(text, rect, c.opaque);
        EXPECT_EQ(GetBkMode(canvas->dc()), c.opaque ? OPAQUE : TRANSPARENT);
        EXPECT_EQ(GetTextAlign(canvas->dc()), static_cast<UINT>(TA_LEFT | TA_BASELINE));
      } else {
        SetBkMode(canvas->dc(), c.opaque ? OPAQUE : TRANSPARENT);
        SetTextAlign(canvas->dc(), TA_LEFT | TA_BASELINE);
        TextOutA(canvas->dc(), rect.left + c.expectedX, rect.bottom + c.expectedBaseline, text, 3);
      }
    }
    EXPECT_EQ(firstDifference(drawn, Rect(0, 0, 140, 80), [&](int x, int y) { return expected.pixel(x, y); }), "")
        << "extra width " << c.extraWidth << ", extra height " << c.extraHeight;
  }
}

TEST(DrawContext, PutsTheSurfacesOwnPenAndFontBackAndDeletesEverythingItMade) {
  Canvas canvas(40, 40);
  const HGDIOBJ surfacePen = GetCurrentObject(canvas.dc(), OBJ_PEN);
  const HGDIOBJ surfaceFont = GetCurrentObject(canvas.dc(), OBJ_FONT);
  const std::int64_t liveBefore = gdiObjects::live();
  const std::int64_t wrongBefore = gdiObjects::deletedWhileSelected();
  CountingOwner owner;
  {
    DrawContext context(owner, canvas.dc(), nullptr);
    for (int i = 0; i < 50; ++i) {
      const auto shade = static_cast<std::uint8_t>(i * 5);
      context.setLineColour({shade, 0, 0});
      context.setFillColour({0, shade, 0});
      context.setFont(static_cast<FontKind>(i % 4));
      context.lineTo({i % 40, 39});
      context.fillRect(Rect(0, 0, 10, 10));
      context.drawString("ab", Rect(0, 0, 40, 20), true);
    }
    // One pen, one brush and one font at a time.
    EXPECT_EQ(gdiObjects::live(), liveBefore + 3);
  }
  EXPECT_EQ(gdiObjects::live(), liveBefore);
  EXPECT_EQ(gdiObjects::deletedWhileSelected(), wrongBefore);
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_PEN), surfacePen);
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), surfaceFont);
}

TEST(DrawContext, AnUnknownFontKindSelectsTheSystemsDefaultChoice) {
  Canvas canvas(10, 10);
  CountingOwner owner;
  DrawContext context(owner, canvas.dc(), nullptr);
  LOGFONTA selected{};
  context.setFont(smallFont);
  GetObjectA(GetCurrentObject(canvas.dc(), OBJ_FONT), sizeof selected, &selected);
  EXPECT_EQ(selected.lfHeight, -10);
  EXPECT_STREQ(selected.lfFaceName, "Arial");
  context.setFont(static_cast<FontKind>(3));
  GetObjectA(GetCurrentObject(canvas.dc(), OBJ_FONT), sizeof selected, &selected);
  EXPECT_EQ(selected.lfHeight, 0);
  EXPECT_EQ(selected.lfWeight, 0);
  EXPECT_STREQ(selected.lfFaceName, "");
}

void sendButtons(const std::vector<DWORD>& flags) {
  for (DWORD flag : flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    SendInput(1, &input, sizeof input);
  }
  Sleep(30);
}

TEST(DrawContext, ReportsTheHeldButtonsAfterUpdatingItsOwner) {
  struct Held {
    std::vector<DWORD> down;
    std::vector<DWORD> up;
    std::int32_t expected;
  };
  const Held cases[] = {
      {{}, {}, 0},
      {{MOUSEEVENTF_LEFTDOWN}, {MOUSEEVENTF_LEFTUP}, 1},
      {{MOUSEEVENTF_MIDDLEDOWN}, {MOUSEEVENTF_MIDDLEUP}, 2},
      {{MOUSEEVENTF_RIGHTDOWN}, {MOUSEEVENTF_RIGHTUP}, 4},
      {{MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTDOWN}, {MOUSEEVENTF_LEFTUP, MOUSEEVENTF_RIGHTUP}, 5},
  };
  // Over the test window's empty corner: nothing there reacts to the presses.
  POINT corner{390, 290};
  ClientToScreen(testWindow(), &corner);
  SetCursorPos(corner.x, corner.y);
  Sleep(100);
  CountingOwner owner;
  DrawContext context(owner, nullptr, testWindow());
  for (const Held& c : cases) {
    sendButtons(c.down);
    const int updatesBefore = owner.updates;
    EXPECT_EQ(context.getMouseButtons(), c.expected);
    EXPECT_EQ(owner.updates, updatesBefore + 1);
    sendButtons(c.up);
    pumpMessages(10);
  }
}

TEST(DrawContext, GivesTheCursorInTheWindowsClientCoordinatesUnclamped) {
  PanelFrame frame(Rect(30, 40, 90, 100), testWindow());
  CountingOwner owner;
  const DrawContext context(owner, nullptr, frame.getWindow());
  POINT origin{0, 0};
  ClientToScreen(frame.getWindow(), &origin);
  for (const Point& offset : {Point(5, 7), Point(-20, -30), Point(170, 110)}) {
    SetCursorPos(origin.x + offset.x, origin.y + offset.y);
    Point position;
    context.getMousePosition(position);
    EXPECT_EQ(position.x, offset.x);
    EXPECT_EQ(position.y, offset.y);
  }
}

}  // namespace

}  // namespace sweepfilter
