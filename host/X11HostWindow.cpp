#include "X11HostWindow.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <stdexcept>

namespace sweepfilter {

X11HostWindow::X11HostWindow() : connection(XOpenDisplay(nullptr)) {
  if (!connection) throw std::runtime_error("no X display");
}

X11HostWindow::~X11HostWindow() {
  destroyParent();
  XCloseDisplay(connection);
}

void X11HostWindow::createParent() {
  parentWidth = 400, parentHeight = 285;
  parent = XCreateSimpleWindow(connection, DefaultRootWindow(connection), 0, 0, 400, 285, 0, 0, 0);
  XMapRaised(connection, parent);
  XSync(connection, False);
}

void X11HostWindow::destroyParent() {
  if (parent) XDestroyWindow(connection, parent);
  parent = 0;
  XSync(connection, False);
}

void X11HostWindow::resizeParent(int width, int height) {
  parentWidth = width, parentHeight = height;
  XResizeWindow(connection, parent, width, height);
  XSync(connection, False);
}

void X11HostWindow::movePointer(int x, int y) {
  int rootX = 0, rootY = 0;
  Window child;
  XTranslateCoordinates(connection, parent, DefaultRootWindow(connection), x, y, &rootX, &rootY, &child);
  XTestFakeMotionEvent(connection, DefaultScreen(connection), rootX, rootY, CurrentTime);
}

void X11HostWindow::pressButton() { XTestFakeButtonEvent(connection, Button1, True, CurrentTime); }
void X11HostWindow::releaseButton() { XTestFakeButtonEvent(connection, Button1, False, CurrentTime); }

RgbImage X11HostWindow::screen(const Rect& area) {
  XSync(connection, False);
  XImage* image = XGetImage(connection, parent, area.left, area.top, area.width(), area.height(), AllPlanes, ZPixmap);
  RgbImage out{area.width(), area.height(), {}};
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x)
      out.pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFF);
  XDestroyImage(image);
  return out;
}

}  // namespace sweepfilter
