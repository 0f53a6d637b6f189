#pragma once

#include <cstdint>

#include "ClapGuiAbi.h"
#include "ClapInstance.h"
#include "PanelLink.h"

namespace sweepfilter {

// A panel of this build's window system, from the host's create to its
// destroy (or the instance's end): the life cycle both window systems share
// is here, what only one of them knows in its own file. Main thread only.
struct Panel {
  explicit Panel(ClapInstance& instance) : instance(instance) {}
  Panel(const Panel&) = delete;
  Panel& operator=(const Panel&) = delete;
  // Stops whatever drives the window and closes it.
  virtual ~Panel() = default;

  // Opens the panel in the host's window, of this build's window system;
  // sets `open` once the window is there. False when it is not driven.
  virtual bool openIn(const clap_window& parent) = 0;
  virtual void setVisible(bool visible) = 0;

  ClapInstance& instance;
  PanelLink link;
  bool open = false;  // in the host's window
};

// The window system's own panel for `create`, defined beside it: null when it cannot run here.
Panel* makePanel(ClapInstance& instance);

// The life cycle, for the gui table.
namespace panel_life {
bool create(const clap_plugin* plugin, const char* api, bool floating);
void destroy(const clap_plugin* plugin);
bool setParent(const clap_plugin* plugin, const clap_window* window);
bool show(const clap_plugin* plugin);
bool hide(const clap_plugin* plugin);
}  // namespace panel_life

// The gui extension of a panel embedded at a size the host cannot change,
// with the window system's answers for its scale and size.
constexpr clap_plugin_gui panelGui(bool (*setScale)(const clap_plugin*, double),
                                   bool (*getSize)(const clap_plugin*, std::uint32_t*, std::uint32_t*),
                                   bool (*setSize)(const clap_plugin*, std::uint32_t, std::uint32_t)) {
  return {fixed_panel::isApiSupported,
          fixed_panel::getPreferredApi,
          panel_life::create,
          panel_life::destroy,
          setScale,
          getSize,
          fixed_panel::canResize,
          fixed_panel::getResizeHints,
          fixed_panel::adjustSize,
          setSize,
          panel_life::setParent,
          fixed_panel::setTransient,
          fixed_panel::suggestTitle,
          panel_life::show,
          panel_life::hide};
}

}  // namespace sweepfilter
