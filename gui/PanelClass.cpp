#include "PanelClass.h"

#include <windows.h>

#include <cstdint>

#include "ModuleInstance.h"
#include "PanelWindowProc.h"

namespace sweepfilter {

const char panelClassName[] = "PluginWindowClass";

namespace {

// Several open panels (of several effect instances in one host) share one registration.
std::int32_t panelClassUsers = 0;

}  // namespace

bool registerPanelClass() {
  if (++panelClassUsers == 1) {
    WNDCLASSA windowClass{};
    // No CS_DBLCLKS: a quick second click arrives as another button press.
    windowClass.style = 0;
    windowClass.lpfnWndProc = panelWindowProc;
    windowClass.hInstance = moduleInstance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = panelClassName;
    RegisterClassA(&windowClass);
  }
  return true;
}

void unregisterPanelClass() {
  if (--panelClassUsers == 0) UnregisterClassA(panelClassName, moduleInstance);
}

}  // namespace sweepfilter
