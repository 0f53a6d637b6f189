#pragma once

#include <windows.h>

#include <utility>

namespace sweepfilter {

// A host's window for one editor: a child of the host's own window, at
// `left` in it, as large as the editor asks. Destroyed when this goes,
// unless the caller destroyed it first.
class EditorHolder {
 public:
  EditorHolder(HWND parent, int width, int height, int left = 0);
  ~EditorHolder() { destroy(); }
  EditorHolder(EditorHolder&& other) noexcept : window_(std::exchange(other.window_, nullptr)) {}
  EditorHolder& operator=(EditorHolder&&) = delete;

  // Null when the window could not be made.
  HWND handle() const { return window_; }
  // The window the editor made in it (its first child), or null.
  HWND panel() const { return GetWindow(window_, GW_CHILD); }
  // Now, with its children, whether or not their editor was closed; then the
  // messages that causes are handled.
  void destroy();

 private:
  HWND window_;
};

// Runs every message waiting on this thread's queue.
void pumpMessages();
// One tick of a panel's timer, delivered at once.
void tickTimer(HWND panel);

}  // namespace sweepfilter
