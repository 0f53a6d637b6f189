#include "HostFrame.h"

namespace sweepfilter {

namespace {
constexpr const char* className = "PlughostFrame";
constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
}  // namespace

HostFrame::HostFrame(const char* title, int width, int height) {
  WNDCLASSA info{};
  if (!GetClassInfoA(GetModuleHandleA(nullptr), className, &info)) {
    info.lpfnWndProc = procedure;
    info.hInstance = GetModuleHandleA(nullptr);
    info.hCursor = LoadCursor(nullptr, IDC_ARROW);
    info.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    info.lpszClassName = className;
    RegisterClassA(&info);
  }
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  // At the screen's corner, so the whole panel is on screen, where its pixels can be read.
  window_ = CreateWindowExA(0, className, title, style, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                            nullptr, nullptr, GetModuleHandleA(nullptr), this);
  if (!window_) return;
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
}

HostFrame::~HostFrame() {
  if (window_) DestroyWindow(window_);
}

LRESULT CALLBACK HostFrame::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<HostFrame*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (message == WM_CLOSE) {
    if (auto* self = reinterpret_cast<HostFrame*>(GetWindowLongPtrA(window, GWLP_USERDATA))) self->closing_ = true;
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace sweepfilter
