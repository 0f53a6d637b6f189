#pragma once

#include "ClapHost.h"
#include "X11HostWindow.h"

namespace sweepfilter {

// A CLAP plug-in's panel in a parent window of the test's, opened in the
// order hosts use (supported api, create, set_scale if given, get_size,
// set_parent, show) and driven as a host's loop drives it.
class ClapPanelHost : public X11HostWindow {
 public:
  explicit ClapPanelHost(HostedPlugin& hosted);
  ~ClapPanelHost() override { close(); }

  bool open(double scale = 0.0);
  void close(bool destroyParentFirst = false);
  // The panel's descriptor when it has something to read, then its timer.
  void pump(int times = 3);

 private:
  HostedPlugin& hosted;
  const clap_plugin_gui* gui;
  bool opened = false;
};

}  // namespace sweepfilter
