#pragma once

#include <X11/Xlib.h>

#include "Rect.h"
#include "RgbImage.h"

namespace sweepfilter {

// What a host gives a panel on the X server named by DISPLAY: a connection,
// a parent window (400 × 285 until the panel asks for another size) and the
// pixels read back; for the tests, the pointer moved with XTest.
class X11HostWindow {
 public:
  X11HostWindow();  // throws when there is no display
  virtual ~X11HostWindow();
  X11HostWindow(const X11HostWindow&) = delete;
  X11HostWindow& operator=(const X11HostWindow&) = delete;

  Display* display() const { return connection; }
  Window parentWindow() const { return parent; }

  // The pointer, in panel coordinates; the left button down and up.
  void movePointer(int x, int y);
  void pressButton();
  void releaseButton();
  RgbImage screen(const Rect& area);
  RgbImage screen() { return screen(Rect(0, 0, parentWidth, parentHeight)); }
  void resizeParent(int width, int height);

 protected:
  void createParent();
  void destroyParent();

  Display* connection = nullptr;
  Window parent = 0;
  int parentWidth = 400, parentHeight = 285;
};

}  // namespace sweepfilter
