// The panel in Windows hosts: the DLL's own panel and toolkit, in the host's
// window. A timer of its own shows the host's changes and ends gestures:
// a drag handles no window messages, so a tick never falls inside one.
// Every call here comes on the host's GUI thread.
#include <windows.h>

#include <cstring>
#include <new>

#include "ClapGuiAbi.h"
#include "ClapInstance.h"
#include "LfoSync.h"
#include "PanelGui.h"
#include "PanelLink.h"
#include "PanelOwner.h"
#include "Win32Panel.h"

namespace sweepfilter {

namespace {
constexpr UINT timerPeriodMs = 30;

struct Win32HostedPanel final : Panel, PanelOwner {
  using Panel::Panel;
  // A window the host destroyed took its timers with it.
  ~Win32HostedPanel() override {
    if (window) KillTimer(window, reinterpret_cast<UINT_PTR>(this));
  }

  bool openIn(const clap_window& parent) override {
    Rect area;
    if (!parent.win32 || !view.open(static_cast<HWND>(parent.win32), area)) return false;
    window = view.window();
    open = true;
    SetTimer(window, reinterpret_cast<UINT_PTR>(this), timerPeriodMs, tick);
    return true;
  }
  void setVisible(bool visible) override { ShowWindow(window, visible ? SW_SHOW : SW_HIDE); }

  float parameterValue(std::int32_t index) override {
    if (index == lfoSyncId) return static_cast<float>(lfoSyncSettingOf(instance.values.get(lfoSyncId)));
    const float shown = view.shownValue(index);
    return PanelLink::toShow(instance, static_cast<ParameterIndex>(index), shown).value_or(shown);
  }
  void userMoved(std::int32_t index, float value) override {
    link.userMoved(instance, static_cast<ParameterIndex>(index), value);
  }

  // The timer's id is the panel itself: the frame's own timer has id 0.
  static void CALLBACK tick(HWND, UINT, UINT_PTR id, DWORD) {
    Win32HostedPanel& panel = *reinterpret_cast<Win32HostedPanel*>(id);
    panel.view.refresh();
    panel.link.release(panel.instance);
    panel.link.requestFlush(panel.instance);
  }

  // This file carries the doors' pictures: the panel shows the LFO sync display.
  Win32Panel view{*this, true};
  HWND window = nullptr;  // the panel's, once it is in the host's window
};

// Its pictures are drawn for one size: the host's scale cannot change it.
bool setScale(const clap_plugin*, double) { return false; }

const clap_plugin_gui gui = panelGui(setScale, fixed_panel::getSize, fixed_panel::setSize);
}  // namespace

Panel* makePanel(ClapInstance& instance) { return new (std::nothrow) Win32HostedPanel(instance); }

const void* panelExtension(const char* id) { return std::strcmp(id, CLAP_EXT_GUI) == 0 ? &gui : nullptr; }

}  // namespace sweepfilter
