#pragma once

#include <windows.h>

namespace sweepfilter {

// plughost's window for a plug-in's editor: a top-level window at the
// screen's top-left corner whose client area is as large as the editor asked.
// Closing it only raises a flag, so the editor can be closed before the
// window goes.
class EditorHostWindow {
 public:
  EditorHostWindow(const char* title, int width, int height);
  ~EditorHostWindow();
  EditorHostWindow(const EditorHostWindow&) = delete;
  EditorHostWindow& operator=(const EditorHostWindow&) = delete;

  bool ok() const { return window != nullptr; }
  HWND handle() const { return window; }
  bool closeRequested() const { return closing; }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window = nullptr;
  bool closing = false;
};

}  // namespace sweepfilter
