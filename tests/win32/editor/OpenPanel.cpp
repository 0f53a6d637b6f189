#include "OpenPanel.h"

#include "PanelResources.h"
#include "TestWindow.h"

namespace sweepfilter {

const int panelWidth = panel_bitmaps::background.width;
const int panelHeight = panel_bitmaps::background.height;

namespace {

BOOL CALLBACK countWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

}  // namespace

EditorHolder panelHolder(int left) {
  static const bool widened =
      SetWindowPos(testWindow(), nullptr, 0, 0, 2 * panelWidth, panelHeight, SWP_NOMOVE | SWP_NOZORDER);
  (void)widened;
  return EditorHolder(testWindow(), panelWidth, panelHeight, left);
}

OpenPanel::OpenPanel(const PluginInstance& instance, int left) : instance(instance), host(panelHolder(left)) {
  instance.openEditor(host.handle());
  UpdateWindow(window());
}

OpenPanel::~OpenPanel() { instance.closeEditor(); }

void OpenPanel::idleAndTick() const {
  instance.idleEditor();
  tickTimer(window());
}

std::unique_ptr<Canvas> OpenPanel::shown() const { return capture(window()); }
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
