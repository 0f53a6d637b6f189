#include "HostWindow.h"

#include "PanelResources.h"
#include "TestWindow.h"

namespace sweepfilter {

const int panelWidth = panel_bitmaps::background.width;
const int panelHeight = panel_bitmaps::background.height;

namespace {

constexpr const char* hostClass = "EditorTestHost";

// Two panels side by side fit into the program's window.
HWND wideTestWindow() {
  static const HWND window = [] {
    SetWindowPos(testWindow(), nullptr, 0, 0, 2 * panelWidth, panelHeight, SWP_NOMOVE | SWP_NOZORDER);
    WNDCLASSA info{};
    info.lpfnWndProc = DefWindowProcA;
    info.hInstance = GetModuleHandleA(nullptr);
    info.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    info.lpszClassName = hostClass;
    RegisterClassA(&info);
    return testWindow();
  }();
  return window;
}

BOOL CALLBACK countWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

}  // namespace

HostWindow::HostWindow(int left, int width, int height)
    : window(CreateWindowExA(0, hostClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, left, 0, width, height,
                             wideTestWindow(), nullptr, GetModuleHandleA(nullptr), nullptr)) {}

HostWindow::~HostWindow() {
  if (window) destroy();
}

HWND HostWindow::panel() const { return GetWindow(window, GW_CHILD); }

void HostWindow::destroy() {
  DestroyWindow(window);
  window = nullptr;
  pumpMessages(0);
}

OpenPanel::OpenPanel(const PluginInstance& instance, int left)
    : instance(instance), host(left, panelWidth, panelHeight) {
  instance.openEditor(host.handle());
  UpdateWindow(window());
}

OpenPanel::~OpenPanel() { instance.closeEditor(); }

void OpenPanel::idleAndTick() const {
  instance.idle();
  tickTimer(window());
}

std::unique_ptr<Canvas> OpenPanel::shown() const { return capture(window()); }

void tickTimer(HWND panel) { SendMessageA(panel, WM_TIMER, 0, 0); }

std::unique_ptr<Canvas> capture(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  auto canvas = std::make_unique<Canvas>(client.right, client.bottom);
  HDC surface = GetDC(window);
  BitBlt(canvas->dc(), 0, 0, client.right, client.bottom, surface, 0, 0, SRCCOPY);
  ReleaseDC(window, surface);
  return canvas;
}

int windowsInTestWindow() {
  int count = 1;
  EnumChildWindows(testWindow(), countWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace sweepfilter
