#pragma once

#include <windows.h>

namespace sweepfilter {

// plughost's top-level window: at the screen's top-left corner, its client
// area as large as asked. Closing it only raises a flag, so an editor in it
// can be closed before the window goes.
class HostFrame {
 public:
  HostFrame(const char* title, int width, int height);
  ~HostFrame();
  HostFrame(const HostFrame&) = delete;
  HostFrame& operator=(const HostFrame&) = delete;

  bool ok() const { return window_ != nullptr; }
  HWND handle() const { return window_; }
  bool closeRequested() const { return closing_; }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  bool closing_ = false;
};

}  // namespace sweepfilter
