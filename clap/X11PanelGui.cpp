// The panel in Linux hosts: the X11 panel (x11panel/), embedded in the host's
// window and driven by the host's file-descriptor and timer callbacks (no
// thread of its own), at the host's scale or the screen's. Every call here
// comes on the host's main thread.
#include <cstring>
#include <new>
#include <string>
#include <utility>

#include "ClapGuiAbi.h"
#include "ClapInstance.h"
#include "EmbeddedPictures.h"
#include "LfoSync.h"
#include "PanelGui.h"
#include "PanelLink.h"
#include "PanelScale.h"
#include "PanelView.h"
#include "X11PanelWindow.h"

namespace sweepfilter {

namespace {
constexpr std::uint32_t timerPeriodMs = 30;

const void* hostExtension(const clap_host* host, const char* id) {
  return host->get_extension ? host->get_extension(host, id) : nullptr;
}

std::string readEmbedded(std::int32_t id, std::int32_t scale, RgbImage& image) {
  for (const EmbeddedPicture* p = sweepfilterPanelPictures; p->bytes; ++p)
    if (p->id == static_cast<std::uint64_t>(id) && p->scale == static_cast<std::uint64_t>(scale))
      return readBmp(p->bytes, p->size, "picture " + std::to_string(id), image);
  return "picture " + std::to_string(id) + " is not in the plug-in";
}

struct X11HostedPanel final : Panel {
  X11HostedPanel(ClapInstance& instance, const clap_host_timer_support& timers, const clap_host_posix_fd_support& fds)
      : Panel(instance), timers(timers), fds(fds) {}
  ~X11HostedPanel() override {
    if (fd >= 0) fds.unregister_fd(instance.host, fd);
    if (timer != CLAP_INVALID_ID) timers.unregister_timer(instance.host, timer);
  }

  bool openIn(const clap_window& parent) override {
    const auto moved = [this](ParameterIndex parameter, float value) { link.userMoved(instance, parameter, value); };
    if (!window.open(static_cast<Window>(parent.x11), &view, moved).empty()) return false;
    open = true;
    run();
    if (fds.register_fd(instance.host, window.connection(), CLAP_POSIX_FD_READ)) fd = window.connection();
    if (!timers.register_timer(instance.host, timerPeriodMs, &timer)) timer = CLAP_INVALID_ID;
    return fd >= 0 || timer != CLAP_INVALID_ID;
  }
  void setVisible(bool visible) override { window.setVisible(visible); }

  // Shows the host's changes (automation, presets, state), handles the X
  // events and sends the user's moves.
  void run() {
    for (std::int32_t index = 0; index < numParameters; ++index) {
      const auto parameter = static_cast<ParameterIndex>(index);
      if (const auto shown = PanelLink::toShow(instance, parameter, view.value(parameter)))
        view.setValue(parameter, *shown);
    }
    view.setLfoSync(lfoSyncSettingOf(instance.values.get(lfoSyncId)));
    window.idle();
    if (!view.dragging()) link.release(instance);
    link.requestFlush(instance);
  }

  PanelView view;
  X11PanelWindow window;
  const clap_host_timer_support& timers;
  const clap_host_posix_fd_support& fds;
  clap_id timer = CLAP_INVALID_ID;
  int fd = -1;
};

// The open X11 panel of the instance, if it has one.
X11HostedPanel* openPanel(const clap_plugin* plugin) {
  Panel* panel = instanceOf(plugin).panel;
  return panel && panel->open ? static_cast<X11HostedPanel*>(panel) : nullptr;
}

// The host's factor picks the pictures as the LV2 option does; the size is
// then in the screen's pixels. Before the window opens only: an open panel keeps its size.
bool setScale(const clap_plugin* plugin, double scale) {
  auto* panel = static_cast<X11HostedPanel*>(instanceOf(plugin).panel);
  const auto factor = usableScale(scale);
  if (!panel || panel->open || !factor) return false;
  const std::int32_t chosen = pictureScale(*factor);
  if (chosen == panel->view.scale()) return true;
  PanelView rescaled;
  if (!rescaled.load(readEmbedded, chosen, true).empty()) return false;
  panel->view = std::move(rescaled);
  return true;
}

bool getSize(const clap_plugin* plugin, std::uint32_t* width, std::uint32_t* height) {
  const auto* panel = static_cast<const X11HostedPanel*>(instanceOf(plugin).panel);
  if (!panel || !width || !height) return false;
  *width = static_cast<std::uint32_t>(panel->view.pixels().width);
  *height = static_cast<std::uint32_t>(panel->view.pixels().height);
  return true;
}

bool setSize(const clap_plugin* plugin, std::uint32_t width, std::uint32_t height) {
  std::uint32_t own[2];
  return getSize(plugin, &own[0], &own[1]) && width == own[0] && height == own[1];
}

void onTimer(const clap_plugin* plugin, clap_id timer) {
  if (X11HostedPanel* panel = openPanel(plugin); panel && timer == panel->timer) panel->run();
}

void onFd(const clap_plugin* plugin, int fd, std::uint32_t) {
  if (X11HostedPanel* panel = openPanel(plugin); panel && fd == panel->fd) panel->run();
}

const clap_plugin_gui gui = panelGui(setScale, getSize, setSize);
const clap_plugin_timer_support timerSupport = {onTimer};
const clap_plugin_posix_fd_support fdSupport = {onFd};
}  // namespace

// Without the host's timer and descriptor callbacks nothing would drive the panel.
Panel* makePanel(ClapInstance& instance) {
  const auto* timers =
      static_cast<const clap_host_timer_support*>(hostExtension(instance.host, CLAP_EXT_TIMER_SUPPORT));
  const auto* fds =
      static_cast<const clap_host_posix_fd_support*>(hostExtension(instance.host, CLAP_EXT_POSIX_FD_SUPPORT));
  if (!timers || !fds) return nullptr;
  auto* panel = new (std::nothrow) X11HostedPanel(instance, *timers, *fds);
  if (panel && !panel->view.load(readEmbedded, pictureScale(screenScale()), true).empty()) {
    delete panel;
    return nullptr;
  }
  return panel;
}

const void* panelExtension(const char* id) {
  if (std::strcmp(id, CLAP_EXT_GUI) == 0) return &gui;
  if (std::strcmp(id, CLAP_EXT_TIMER_SUPPORT) == 0) return &timerSupport;
  if (std::strcmp(id, CLAP_EXT_POSIX_FD_SUPPORT) == 0) return &fdSupport;
  return nullptr;
}

}  // namespace sweepfilter
