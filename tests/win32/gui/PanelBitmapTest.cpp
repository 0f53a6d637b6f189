#include <gtest/gtest.h>

#include "Canvas.h"
#include "GdiObjects.h"
#include "PanelBitmap.h"
#include "TestBitmapIds.h"
#include "TestWindow.h"

namespace sweepfilter {

namespace {

constexpr COLORREF white = RGB(255, 255, 255);

TEST(PanelBitmap, TakesItsSizeFromTheResourceOrNothingWhenThereIsNone) {
  struct Size {
    std::uint16_t id;
    std::int32_t width;
    std::int32_t height;
  };
  for (const Size& c : {Size{TEST_KNOB_STRIP, 40, 2010}, Size{TEST_HANDLE, 24, 38}, Size{999, 0, 0}}) {
    const PanelBitmap bitmap(c.id);
    EXPECT_EQ(bitmap.getWidth(), c.width) << c.id;
    EXPECT_EQ(bitmap.getHeight(), c.height) << c.id;
  }
}

TEST(PanelBitmap, TransparentCopyShowsThePanelWherePureWhiteIsAndThePictureElsewhere) {
  struct Copy {
    Rect destination;
    Point source;
  };
  // The whole handle, and a block from inside it that holds its one white middle pixel.
  const Copy cases[] = {{Rect(50, 60, 74, 98), Point(0, 0)}, {Rect(5, 5, 15, 15), Point(7, 15)}};
  PanelBitmap background(TEST_BACKGROUND);
  PanelBitmap handle(TEST_HANDLE);
  const Canvas& handlePixels = picture(TEST_HANDLE);
  const Canvas& panelPixels = picture(TEST_BACKGROUND);
  for (const Copy& c : cases) {
    Canvas canvas(200, 150);
    CountingOwner owner;
    DrawContext context(owner, canvas.dc(), nullptr);
    background.draw(context, Rect(0, 0, 200, 150), Point(0, 0));
    handle.drawTransparent(context, c.destination, c.source);
    EXPECT_EQ(firstDifference(canvas, Rect(0, 0, 200, 150),
                              [&](int x, int y) {
                                const int dx = x - c.destination.left;
                                const int dy = y - c.destination.top;
                                const COLORREF panel = panelPixels.pixel(x, y);
                                if (dx < 0 || dx >= c.destination.width() || dy < 0 || dy >= c.destination.height())
                                  return panel;
                                const COLORREF own = handlePixels.pixel(dx + c.source.x, dy + c.source.y);
                                return own == white ? panel : own;
                              }),
              "")
        << "source (" << c.source.x << ", " << c.source.y << ")";
  }
}

TEST(PanelBitmap, MakesItsMaskOnceAndLeavesThePicturesOwnPixelsAlone) {
  PanelBitmap handle(TEST_HANDLE);
  Canvas canvas(100, 40);
  canvas.fill(RGB(0, 0, 0));
  CountingOwner owner;
  DrawContext context(owner, canvas.dc(), nullptr);
  const std::int64_t liveBefore = gdiObjects::live();
  const std::int64_t wrongBefore = gdiObjects::deletedWhileSelected();

  handle.drawTransparent(context, Rect(0, 0, 24, 38), Point(0, 0));
  EXPECT_EQ(gdiObjects::live(), liveBefore + 1) << "the first transparent copy keeps exactly its mask";
  handle.drawTransparent(context, Rect(30, 0, 54, 38), Point(0, 0));
  EXPECT_EQ(gdiObjects::live(), liveBefore + 1) << "a second one makes no new mask";
  EXPECT_EQ(gdiObjects::deletedWhileSelected(), wrongBefore);

  // An opaque copy afterwards still shows white where the picture is white.
  handle.draw(context, Rect(60, 0, 84, 38), Point(0, 0));
  const Canvas& own = picture(TEST_HANDLE);
  EXPECT_EQ(firstDifference(canvas, Rect(60, 0, 84, 38), [&](int x, int y) { return own.pixel(x - 60, y); }), "");
}

}  // namespace

}  // namespace sweepfilter
