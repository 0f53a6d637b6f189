#include "ClapPanelHost.h"

#include <poll.h>

namespace sweepfilter {

ClapPanelHost::ClapPanelHost(HostedPlugin& hosted)
    : hosted(hosted), gui(hosted.extension<clap_plugin_gui>(CLAP_EXT_GUI)) {}

bool ClapPanelHost::open(double scale) {
  close();
  createParent();
  const clap_plugin* plugin = hosted.plugin();
  const clap_window window{CLAP_WINDOW_API_X11, {.x11 = parent}};
  opened = gui && gui->is_api_supported(plugin, CLAP_WINDOW_API_X11, false) &&
           gui->create(plugin, CLAP_WINDOW_API_X11, false);
  if (opened && scale != 0.0) gui->set_scale(plugin, scale);
  std::uint32_t width = 0, height = 0;
  if (!opened || !gui->get_size(plugin, &width, &height)) return false;
  resizeParent(static_cast<int>(width), static_cast<int>(height));
  return gui->set_parent(plugin, &window) && gui->show(plugin);
}

void ClapPanelHost::close(bool destroyParentFirst) {
  if (destroyParentFirst) destroyParent();
  if (opened) gui->destroy(hosted.plugin());
  opened = false;
  destroyParent();
}

void ClapPanelHost::pump(int times) {
  for (int i = 0; i < times; ++i) {
    XSync(connection, False);
    pollfd watched{hosted.panelFd, POLLIN, 0};
    if (poll(&watched, 1, 5) > 0)
      hosted.extension<clap_plugin_posix_fd_support>(CLAP_EXT_POSIX_FD_SUPPORT)
          ->on_fd(hosted.plugin(), hosted.panelFd, CLAP_POSIX_FD_READ);
    hosted.extension<clap_plugin_timer_support>(CLAP_EXT_TIMER_SUPPORT)->on_timer(hosted.plugin(), hosted.panelTimer);
  }
}

}  // namespace sweepfilter
