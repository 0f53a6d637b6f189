// The panel in Linux hosts: the LV2 UI's X11 panel, embedded in the host's
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
#include "PanelScale.h"
#include "PanelView.h"
#include "PanelLink.h"
#include "X11PanelWindow.h"

namespace sweepfilter {

struct Panel {
  PanelView view;
  X11PanelWindow window;
  PanelLink link;
  const clap_host_timer_support* timers = nullptr;
  const clap_host_posix_fd_support* fds = nullptr;
  clap_id timer = CLAP_INVALID_ID;
  int fd = -1;
  bool open = false;
};

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

// Shows the host's changes (automation, presets, state), handles the X
// events and sends the user's moves.
void run(ClapInstance& instance) {
  Panel& panel = *instance.panel;
  for (std::int32_t index = 0; index < numParameters; ++index) {
    const auto parameter = static_cast<ParameterIndex>(index);
    if (const auto shown = PanelLink::toShow(instance, parameter, panel.view.value(parameter)))
      panel.view.setValue(parameter, *shown);
  }
  panel.window.idle();
  if (!panel.view.dragging()) panel.link.release(instance);
  panel.link.requestFlush(instance);
}

void closePanel(ClapInstance& instance) {
  Panel* panel = instance.panel;
  if (panel->fd >= 0) panel->fds->unregister_fd(instance.host, panel->fd);
  if (panel->timer != CLAP_INVALID_ID) panel->timers->unregister_timer(instance.host, panel->timer);
  instance.panel = nullptr;
  instance.closePanel = nullptr;
  delete panel;
}

bool create(const clap_plugin* plugin, const char* api, bool floating) {
  ClapInstance& instance = instanceOf(plugin);
  if (!fixed_panel::isApiSupported(plugin, api, floating) || instance.panel) return false;
  // Without the host's timer and descriptor callbacks nothing would drive the panel.
  const auto* timers =
      static_cast<const clap_host_timer_support*>(hostExtension(instance.host, CLAP_EXT_TIMER_SUPPORT));
  const auto* fds =
      static_cast<const clap_host_posix_fd_support*>(hostExtension(instance.host, CLAP_EXT_POSIX_FD_SUPPORT));
  if (!timers || !fds) return false;
  auto* panel = new (std::nothrow) Panel;
  if (!panel) return false;
  panel->timers = timers;
  panel->fds = fds;
  if (!panel->view.load(readEmbedded, pictureScale(screenScale())).empty()) {
    delete panel;
    return false;
  }
  instance.panel = panel;
  instance.closePanel = closePanel;
  return true;
}

void destroy(const clap_plugin* plugin) {
  ClapInstance& instance = instanceOf(plugin);
  if (instance.panel) closePanel(instance);
}

// The host's factor picks the pictures as the LV2 option does; the size is
// then in the screen's pixels. Before the window opens only: an open panel keeps its size.
bool setScale(const clap_plugin* plugin, double scale) {
  Panel* panel = instanceOf(plugin).panel;
  const auto factor = usableScale(scale);
  if (!panel || panel->open || !factor) return false;
  const std::int32_t chosen = pictureScale(*factor);
  if (chosen == panel->view.scale()) return true;
  PanelView rescaled;
  if (!rescaled.load(readEmbedded, chosen).empty()) return false;
  panel->view = std::move(rescaled);
  return true;
}

bool getSize(const clap_plugin* plugin, std::uint32_t* width, std::uint32_t* height) {
  const Panel* panel = instanceOf(plugin).panel;
  if (!panel || !width || !height) return false;
  *width = static_cast<std::uint32_t>(panel->view.pixels().width);
  *height = static_cast<std::uint32_t>(panel->view.pixels().height);
  return true;
}

bool setSize(const clap_plugin* plugin, std::uint32_t width, std::uint32_t height) {
  std::uint32_t own[2];
  return getSize(plugin, &own[0], &own[1]) && width == own[0] && height == own[1];
}

bool setParent(const clap_plugin* plugin, const clap_window* window) {
  ClapInstance& instance = instanceOf(plugin);
  Panel* panel = instance.panel;
  if (!panel || panel->open || !window || !window->api || std::strcmp(window->api, CLAP_WINDOW_API_X11) != 0)
    return false;
  const auto moved = [&instance](ParameterIndex parameter, float value) {
    instance.panel->link.userMoved(instance, parameter, value);
  };
  if (!panel->window.open(static_cast<Window>(window->x11), &panel->view, moved).empty()) return false;
  panel->open = true;
  run(instance);
  if (panel->fds->register_fd(instance.host, panel->window.connection(), CLAP_POSIX_FD_READ))
    panel->fd = panel->window.connection();
  if (!panel->timers->register_timer(instance.host, timerPeriodMs, &panel->timer)) panel->timer = CLAP_INVALID_ID;
  return panel->fd >= 0 || panel->timer != CLAP_INVALID_ID;
}

bool setVisible(const clap_plugin* plugin, bool visible) {
  Panel* panel = instanceOf(plugin).panel;
  if (!panel || !panel->open) return false;
  panel->window.setVisible(visible);
  return true;
}
bool show(const clap_plugin* plugin) { return setVisible(plugin, true); }
bool hide(const clap_plugin* plugin) { return setVisible(plugin, false); }

void onTimer(const clap_plugin* plugin, clap_id timer) {
  ClapInstance& instance = instanceOf(plugin);
  if (instance.panel && instance.panel->open && timer == instance.panel->timer) run(instance);
}

void onFd(const clap_plugin* plugin, int fd, std::uint32_t) {
  ClapInstance& instance = instanceOf(plugin);
  if (instance.panel && instance.panel->open && fd == instance.panel->fd) run(instance);
}

const clap_plugin_gui gui = {fixed_panel::isApiSupported,
                             fixed_panel::getPreferredApi,
                             create,
                             destroy,
                             setScale,
                             getSize,
                             fixed_panel::canResize,
                             fixed_panel::getResizeHints,
                             fixed_panel::adjustSize,
                             setSize,
                             setParent,
                             fixed_panel::setTransient,
                             fixed_panel::suggestTitle,
                             show,
                             hide};
const clap_plugin_timer_support timerSupport = {onTimer};
const clap_plugin_posix_fd_support fdSupport = {onFd};
}  // namespace

const void* panelExtension(const char* id) {
  if (std::strcmp(id, CLAP_EXT_GUI) == 0) return &gui;
  if (std::strcmp(id, CLAP_EXT_TIMER_SUPPORT) == 0) return &timerSupport;
  if (std::strcmp(id, CLAP_EXT_POSIX_FD_SUPPORT) == 0) return &fdSupport;
  return nullptr;
}

}  // namespace sweepfilter
