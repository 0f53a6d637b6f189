#include "PanelGui.h"

#include <cstring>

namespace sweepfilter {

namespace {
// A gesture the user had not ended yet ends with the panel.
void closePanel(ClapInstance& instance) {
  Panel* panel = instance.panel;
  panel->link.release(instance);
  instance.panel = nullptr;
  instance.closePanel = nullptr;
  delete panel;
}

bool setVisible(const clap_plugin* plugin, bool visible) {
  Panel* panel = instanceOf(plugin).panel;
  if (!panel || !panel->open) return false;
  panel->setVisible(visible);
  return true;
}
}  // namespace

namespace panel_life {

bool create(const clap_plugin* plugin, const char* api, bool floating) {
  ClapInstance& instance = instanceOf(plugin);
  if (!fixed_panel::isApiSupported(plugin, api, floating) || instance.panel) return false;
  instance.panel = makePanel(instance);
  if (!instance.panel) return false;
  instance.closePanel = closePanel;
  return true;
}

void destroy(const clap_plugin* plugin) {
  ClapInstance& instance = instanceOf(plugin);
  if (instance.panel) closePanel(instance);
}

// Once only: an open panel stays in the window it was given.
bool setParent(const clap_plugin* plugin, const clap_window* window) {
  Panel* panel = instanceOf(plugin).panel;
  if (!panel || panel->open || !window || !window->api || std::strcmp(window->api, fixed_panel::embeddedApi) != 0)
    return false;
  return panel->openIn(*window);
}

bool show(const clap_plugin* plugin) { return setVisible(plugin, true); }
bool hide(const clap_plugin* plugin) { return setVisible(plugin, false); }

}  // namespace panel_life

}  // namespace sweepfilter
