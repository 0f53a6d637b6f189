#include "X11PanelWindow.h"

#include <X11/Xutil.h>

#include <algorithm>
#include <utility>

namespace sweepfilter {

namespace {

// The shift that puts an 8-bit channel at the top of a visual's mask.
int shiftFor(unsigned long mask) {
  int shift = 0;
  while (mask > 0xFF) {
    mask >>= 1;
    ++shift;
  }
  return shift;
}

// Errors of requests on a window the host may already have destroyed with
// its own: ignored while the panel's window is torn down, on this display only.
Display* tearingDown = nullptr;
XErrorHandler hostHandler = nullptr;
int ignoreTeardownErrors(Display* display, XErrorEvent* error) {
  if (display == tearingDown) return 0;
  return hostHandler ? hostHandler(display, error) : 0;
}

constexpr long eventMask = ExposureMask | ButtonPressMask | ButtonReleaseMask | ButtonMotionMask | StructureNotifyMask;

}  // namespace

std::string X11PanelWindow::open(Window parent, PanelView* panelView, PanelView::Report report) {
  view = panelView;
  view->connect(std::move(report), [this](const Rect& area) { show(area); });
  display = XOpenDisplay(nullptr);
  if (!display) return "cannot open the X display";
  const RgbImage& pixels = view->pixels();
  XWindowAttributes parentAttributes;
  if (!XGetWindowAttributes(display, parent, &parentAttributes)) return "the host's window is not there";
  Visual* visual = parentAttributes.visual;
  if (visual->c_class != TrueColor || parentAttributes.depth < 24) return "the display has no 24-bit true colour";
  redShift = shiftFor(visual->red_mask);
  greenShift = shiftFor(visual->green_mask);
  blueShift = shiftFor(visual->blue_mask);

  child = XCreateSimpleWindow(display, parent, 0, 0, pixels.width, pixels.height, 0, 0, 0);
  XSelectInput(display, child, eventMask);
  gc = XCreateGC(display, child, 0, nullptr);
  screenPixels.assign(pixels.pixels.size(), 0);
  image = XCreateImage(display, visual, parentAttributes.depth, ZPixmap, 0,
                       reinterpret_cast<char*>(screenPixels.data()), pixels.width, pixels.height, 32, pixels.width * 4);
  if (!image) return "cannot make an image of the panel";
  // The pixels are in this machine's order; Xlib converts for the server.
  image->byte_order = LSBFirst;
  view->paintAll();
  show(Rect(0, 0, pixels.width, pixels.height));
  XMapWindow(display, child);
  XFlush(display);
  return {};
}

X11PanelWindow::~X11PanelWindow() {
  if (!display) return;
  if (image) {
    image->data = nullptr;  // the pixels are ours
    XDestroyImage(image);
  }
  if (gc) XFreeGC(display, gc);
  if (child && !destroyed) {
    tearingDown = display;
    hostHandler = XSetErrorHandler(ignoreTeardownErrors);
    XDestroyWindow(display, child);
    XSync(display, False);
    XSetErrorHandler(hostHandler);
    tearingDown = nullptr;
  }
  XCloseDisplay(display);
}

void X11PanelWindow::setVisible(bool visible) {
  if (!display || destroyed) return;
  visible ? XMapWindow(display, child) : XUnmapWindow(display, child);
  XFlush(display);
}

bool X11PanelWindow::idle() {
  if (!display || destroyed) return false;
  while (XPending(display) > 0) {
    XEvent event;
    XNextEvent(display, &event);
    handle(event);
    if (destroyed) return false;
  }
  view->redrawChanged();
  XFlush(display);
  return true;
}

void X11PanelWindow::handle(const XEvent& event) {
  switch (event.type) {
    case Expose:
      show(Rect(event.xexpose.x, event.xexpose.y, event.xexpose.x + event.xexpose.width,
                event.xexpose.y + event.xexpose.height));
      break;
    case ButtonPress:
      // The left and right buttons move controls; the middle one and the wheel do nothing.
      if (event.xbutton.button == Button1 || event.xbutton.button == Button3)
        view->press(Point(event.xbutton.x, event.xbutton.y));
      break;
    case MotionNotify: {
      // Only the latest position counts; the window keeps the pointer while a
      // button is held, even outside it.
      XEvent latest = event;
      while (XCheckTypedWindowEvent(display, child, MotionNotify, &latest)) {
      }
      view->drag(Point(latest.xmotion.x, latest.xmotion.y));
      break;
    }
    case ButtonRelease: {
      // The state names the buttons held before this release: the drag ends with the last one.
      const unsigned held = event.xbutton.state & (Button1Mask | Button2Mask | Button3Mask);
      const unsigned released = event.xbutton.button == Button1   ? Button1Mask
                                : event.xbutton.button == Button2 ? Button2Mask
                                : event.xbutton.button == Button3 ? Button3Mask
                                                                  : 0;
      // As in the DLL, the position of the release itself moves nothing.
      if (released && (held & ~released) == 0) view->release();
      break;
    }
    case DestroyNotify:
      if (event.xdestroywindow.window == child) destroyed = true;
      break;
    default:
      break;
  }
}

void X11PanelWindow::show(const Rect& area) {
  const RgbImage& pixels = view->pixels();
  const std::int32_t left = std::max(area.left, 0), top = std::max(area.top, 0);
  const std::int32_t right = std::min(area.right, pixels.width), bottom = std::min(area.bottom, pixels.height);
  if (left >= right || top >= bottom) return;
  for (std::int32_t y = top; y < bottom; ++y) {
    for (std::int32_t x = left; x < right; ++x) {
      const std::uint32_t rgb = pixels.at(x, y);
      screenPixels[static_cast<std::size_t>(y) * pixels.width + x] =
          (rgb >> 16 & 0xFF) << redShift | (rgb >> 8 & 0xFF) << greenShift | (rgb & 0xFF) << blueShift;
    }
  }
  XPutImage(display, child, gc, image, left, top, left, top, right - left, bottom - top);
}

}  // namespace sweepfilter
