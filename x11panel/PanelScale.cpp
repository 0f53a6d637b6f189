#include "PanelScale.h"

#include <X11/Xlib.h>
#include <X11/Xresource.h>

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace sweepfilter {

namespace {

// A number and nothing else after it, as a usable factor.
std::optional<double> factorIn(const char* text, double per) {
  if (!text) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(text, &end);
  while (end != text && std::isspace(static_cast<unsigned char>(*end))) ++end;
  if (end == text || *end != '\0') return std::nullopt;
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
