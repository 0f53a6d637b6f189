#include "TestWindow.h"

#include <utility>
#include <vector>

namespace sweepfilter {

HWND testWindow() {
  static HWND window = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = "GuiTestHost";
    RegisterClassA(&windowClass);
    HWND made = CreateWindowExA(0, "GuiTestHost", "GUI tests", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    UpdateWindow(made);
    return made;
  }();
  return window;
}

namespace {

std::vector<MSG> presses;

void handleWaiting() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_LBUTTONDOWN || message.message == WM_RBUTTONDOWN || message.message == WM_MBUTTONDOWN)
      presses.push_back(message);
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace

void pumpMessages(int milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  do {
    handleWaiting();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  } while (GetTickCount64() < end);
  handleWaiting();
}

bool pumpUntil(const std::function<bool()>& condition, int timeoutMilliseconds) {
  const ULONGLONG end = GetTickCount64() + timeoutMilliseconds;
  while (!condition()) {
    if (GetTickCount64() >= end) return false;
    pumpMessages(5);
  }
  return true;
}

std::vector<MSG> takePresses() { return std::exchange(presses, {}); }

}  // namespace sweepfilter
