// plughost's panel window on X11. X wakes no panel by itself: while waiting,
// the panel's descriptor is watched beside plughost's connection.
#include <X11/Xutil.h>
#include <poll.h>

#include <stdexcept>

#include "BmpFile.h"
#include "PanelWindow.h"
#include "X11HostWindow.h"

namespace sweepfilter {

namespace {
// Titled, as large as the panel; closing it only raises a flag, so the panel
// can be closed before the window goes.
class X11PanelFrame : public PanelFrame, private X11HostWindow {
 public:
  X11PanelFrame(const std::string& title, int width, int height)
      : deleteWindow(XInternAtom(connection, "WM_DELETE_WINDOW", False)) {
    createParent();
    resizeParent(width, height);
    XStoreName(connection, parent, title.c_str());
    XSetWMProtocols(connection, parent, &deleteWindow, 1);
    XSync(connection, False);
  }

  ParentWindow handle() const override { return parentWindow(); }
  bool closeRequested() const override { return closing; }

  void wait(std::chrono::milliseconds timeout, const PanelCalls& calls) override {
    pollfd watched[2] = {{ConnectionNumber(connection), POLLIN, 0},
                         {calls.descriptor ? calls.descriptor() : -1, POLLIN, 0}};
    poll(watched, 2, static_cast<int>(timeout.count()));
    while (XPending(connection) > 0) {
      XEvent event;
      XNextEvent(connection, &event);
      if (event.type == ClientMessage && static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow) closing = true;
    }
    if (watched[1].revents & POLLIN) calls.readable();
  }

  std::string saveScreenshot(const std::string& path, const PanelCalls& calls) override {
    wait(std::chrono::milliseconds::zero(), calls);
    calls.idle();
    const RgbImage image = screen();
    const std::uint32_t rowBytes = bmpRowBytes(image.width);
    std::string rows(rowBytes * static_cast<std::uint32_t>(image.height), '\0');
    for (int y = 0; y < image.height; ++y) {
      char* row = rows.data() + rowBytes * static_cast<std::uint32_t>(image.height - 1 - y);
      for (int x = 0; x < image.width; ++x)
        for (int byte = 0; byte < 3; ++byte) row[3 * x + byte] = static_cast<char>(image.at(x, y) >> (8 * byte));
    }
    return writeBmp24(path, image.width, image.height, rows.data());
  }

 private:
  Atom deleteWindow;
  bool closing = false;
};
}  // namespace

std::unique_ptr<PanelFrame> openPanelFrame(const std::string& title, int width, int height, std::string& error) {
  try {
    return std::make_unique<X11PanelFrame>(title, width, height);
  } catch (const std::runtime_error&) {
    error = "cannot open the X display (is DISPLAY set?)";
    return nullptr;
  }
}

}  // namespace sweepfilter
