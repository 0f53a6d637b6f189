#pragma once

#include <cstdint>
#include <optional>

namespace sweepfilter {

// How large the Linux panels draw themselves: the screen's pixels per panel
// pixel, taken from the host when it says (ui:scaleFactor, set_scale), else
// from the screen, and turned into one of the two sets of pictures.

// The variable that gives the factor where neither the host nor the X server does.
inline constexpr const char* panelScaleVariable = "SWEEPFILTER_PANEL_SCALE";

// A factor a host or the user gave, if it can size a panel: finite and above 0.
std::optional<double> usableScale(double factor);
// The factor without the host's word: the X server's Xft.dpi over 96, else
// the variable's, else 1. Asks the server named by DISPLAY on a connection of its own.
double screenScale();
// The pictures for a factor: the panel's own below 1.5, the double-size ones from there on.
std::int32_t pictureScale(double factor);

}  // namespace sweepfilter
