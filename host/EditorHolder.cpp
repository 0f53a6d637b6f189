#include "EditorHolder.h"

namespace sweepfilter {

namespace {
constexpr const char* className = "PlughostEditorHolder";

const char* registeredClass() {
  static const char* const name = [] {
    WNDCLASSA info{};
    info.lpfnWndProc = DefWindowProcA;
    info.hInstance = GetModuleHandleA(nullptr);
    info.hCursor = LoadCursor(nullptr, IDC_ARROW);
    info.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    info.lpszClassName = className;
    RegisterClassA(&info);
    return className;
  }();
  return name;
}
}  // namespace

EditorHolder::EditorHolder(HWND parent, int width, int height, int left)
    : window_(CreateWindowExA(0, registeredClass(), "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, left, 0, width, height,
                              parent, nullptr, GetModuleHandleA(nullptr), nullptr)) {}

void EditorHolder::destroy() {
  if (!window_) return;
  DestroyWindow(std::exchange(window_, nullptr));
  pumpMessages();
}

void pumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void tickTimer(HWND panel) { SendMessageA(panel, WM_TIMER, 0, 0); }

}  // namespace sweepfilter
