#include "PanelWindowProc.h"

#include "DrawContext.h"
#include "PanelFrame.h"

namespace sweepfilter {

namespace {

// The context is destroyed before the surface is given back, so it can put
// the surface's own pen and font back while the surface is still ours.
void paint(PanelFrame& frame, HWND window) {
  RECT updated{};
  if (!GetUpdateRect(window, &updated, FALSE)) return;
  PAINTSTRUCT paintInfo{};
  HDC surface = BeginPaint(window, &paintInfo);
  {
    DrawContext context(frame, surface, window);
    frame.paint(context, Rect(updated.left, updated.top, updated.right, updated.bottom));
  }
  EndPaint(window, &paintInfo);
}

void updateChanged(PanelFrame& frame, HWND window) {
  HDC surface = GetDC(window);
  {
    DrawContext context(frame, surface, window);
    frame.update(context);
  }
  ReleaseDC(window, surface);
}

void press(PanelFrame& frame, HWND window, LPARAM lParam) {
  HDC surface = GetDC(window);
  {
    DrawContext context(frame, surface, window);
    // Client coordinates, each an unsigned 16-bit number.
    const Point point(LOWORD(lParam), HIWORD(lParam));
    frame.mouse(context, point);
  }
  ReleaseDC(window, surface);
}

}  // namespace

LRESULT CALLBACK panelWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Null until the frame has stored itself, and again after its teardown.
  if (auto* frame = reinterpret_cast<PanelFrame*>(GetWindowLongPtrA(window, GWLP_USERDATA))) {
    switch (message) {
      case WM_PAINT:
        paint(*frame, window);
        break;
      case WM_TIMER:
        updateChanged(*frame, window);
        break;
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
        press(*frame, window, lParam);
        break;
      default:
        break;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace sweepfilter
