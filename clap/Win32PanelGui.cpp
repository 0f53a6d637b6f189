// The panel in Windows hosts: the DLL's own panel and toolkit, in the host's
// window. A timer of its own shows the host's changes and ends gestures:
// a drag handles no window messages, so a tick never falls inside one.
// Every call here comes on the host's GUI thread.
#include <windows.h>

#include <cstring>
#include <new>

#include "ClapGuiAbi.h"
#include "ClapInstance.h"
#include "PanelLink.h"
#include "PanelOwner.h"
#include "Win32Panel.h"

namespace sweepfilter {

struct Panel final : PanelOwner {
  explicit Panel(ClapInstance& instance) : instance(instance) {}

  float parameterValue(std::int32_t index) override {
    const float shown = view.shownValue(index);
    return PanelLink::toShow(instance, static_cast<ParameterIndex>(index), shown).value_or(shown);
  }
  void userMoved(std::int32_t index, float value) override {
    link.userMoved(instance, static_cast<ParameterIndex>(index), value);
  }

  ClapInstance& instance;
  Win32Panel view{*this};
  PanelLink link;
  HWND window = nullptr;  // the panel's, once it is in the host's window
};

namespace {
constexpr UINT timerPeriodMs = 30;

// The timer's id is the panel itself: the frame's own timer has id 0.
void CALLBACK tick(HWND, UINT, UINT_PTR id, DWORD) {
  Panel& panel = *reinterpret_cast<Panel*>(id);
  panel.view.refresh();
  panel.link.release(panel.instance);
  panel.link.requestFlush(panel.instance);
}

void closePanel(ClapInstance& instance) {
  Panel* panel = instance.panel;
  // A window the host destroyed took its timers with it.
  if (panel->window) KillTimer(panel->window, reinterpret_cast<UINT_PTR>(panel));
  panel->link.release(instance);
  instance.panel = nullptr;
  instance.closePanel = nullptr;
  delete panel;
}

bool create(const clap_plugin* plugin, const char* api, bool floating) {
  ClapInstance& instance = instanceOf(plugin);
  if (!fixed_panel::isApiSupported(plugin, api, floating) || instance.panel) return false;
  instance.panel = new (std::nothrow) Panel(instance);
  if (!instance.panel) return false;
  instance.closePanel = closePanel;
  return true;
}

void destroy(const clap_plugin* plugin) {
  ClapInstance& instance = instanceOf(plugin);
  if (instance.panel) closePanel(instance);
}

// Its pictures are drawn for one size: the host's scale cannot change it.
bool setScale(const clap_plugin*, double) { return false; }

bool setParent(const clap_plugin* plugin, const clap_window* window) {
  Panel* panel = instanceOf(plugin).panel;
  if (!panel || panel->window || !window || !window->api || std::strcmp(window->api, CLAP_WINDOW_API_WIN32) != 0 ||
      !window->win32)
    return false;
  Rect area;
  if (!panel->view.open(static_cast<HWND>(window->win32), area)) return false;
  panel->window = panel->view.window();
  SetTimer(panel->window, reinterpret_cast<UINT_PTR>(panel), timerPeriodMs, tick);
  return true;
}

bool setVisible(const clap_plugin* plugin, bool visible) {
  Panel* panel = instanceOf(plugin).panel;
  if (!panel || !panel->window) return false;
  ShowWindow(panel->window, visible ? SW_SHOW : SW_HIDE);
  return true;
}
bool show(const clap_plugin* plugin) { return setVisible(plugin, true); }
bool hide(const clap_plugin* plugin) { return setVisible(plugin, false); }

const clap_plugin_gui gui = {fixed_panel::isApiSupported,
                             fixed_panel::getPreferredApi,
                             create,
                             destroy,
                             setScale,
                             fixed_panel::getSize,
                             fixed_panel::canResize,
                             fixed_panel::getResizeHints,
                             fixed_panel::adjustSize,
                             fixed_panel::setSize,
                             setParent,
                             fixed_panel::setTransient,
                             fixed_panel::suggestTitle,
                             show,
                             hide};
}  // namespace

const void* panelExtension(const char* id) { return std::strcmp(id, CLAP_EXT_GUI) == 0 ? &gui : nullptr; }

}  // namespace sweepfilter
