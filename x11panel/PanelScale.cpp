#include "PanelScale.h"

#include <X11/Xlib.h>
#include <X11/Xresource.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace sweepfilter {

namespace {

// A number and nothing else around it, as a usable factor; with a point
// whatever the host's locale says.
std::optional<double> factorIn(const char* text, double per) {
  if (!text) return std::nullopt;
  const std::string_view all(text);
  const std::string_view number = all.substr(std::min(all.find_first_not_of(" \t\n"), all.size()));
  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc{} || std::string_view(end).find_first_not_of(" \t\n") != std::string_view::npos)
    return std::nullopt;
  return usableScale(value / per);
}

// The Xft.dpi resource of the server's resource database, as desktops set it for a large screen.
std::optional<double> xftScale() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return std::nullopt;
  std::optional<double> factor;
  if (const char* resources = XResourceManagerString(display)) {
    XrmInitialize();
    if (XrmDatabase database = XrmGetStringDatabase(resources)) {
      char* type = nullptr;
      XrmValue value{};
      if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr)
        factor = factorIn(value.addr, 96.0);
      XrmDestroyDatabase(database);
    }
  }
  XCloseDisplay(display);
  return factor;
}

}  // namespace

std::optional<double> usableScale(double factor) {
  if (!std::isfinite(factor) || factor <= 0.0) return std::nullopt;
  return factor;
}

double screenScale() {
  if (const auto factor = xftScale()) return *factor;
  return factorIn(std::getenv(panelScaleVariable), 1.0).value_or(1.0);
}

std::int32_t pictureScale(double factor) { return factor < 1.5 ? 1 : 2; }

}  // namespace sweepfilter
