#pragma once

namespace sweepfilter {

// Where the horizontal switches change position: a press dx pixels right of
// the switch's left edge, on a picture of the given width, gives the value.
// Worked out by hand from the fractions of the width (trunc(width × 0.33f)
// and so on); both the portable mapping and the DLL's controls under the
// real mouse are held to this one table.
struct SwitchLimit {
  const char* where;
  int width;
  int positions;
  int dx;
  float value;
};

inline constexpr SwitchLimit switchLimits[] = {
    {"45 pixels, dx 14", 45, 3, 14, 0.33f},      {"45 pixels, dx 15", 45, 3, 15, 0.66f},
    {"45 pixels, dx 29", 45, 3, 29, 0.66f},      {"45 pixels, dx 30", 45, 3, 30, 1.0f},
    {"45 pixels, dx 44", 45, 3, 44, 1.0f},       {"70 pixels, dx 23", 70, 3, 23, 0.33f},
    {"70 pixels, dx 24", 70, 3, 24, 0.66f},      {"70 pixels, dx 46", 70, 3, 46, 0.66f},
    {"70 pixels, dx 47", 70, 3, 47, 1.0f},       {"two positions, dx 22", 45, 2, 22, 0.0f},
    {"two positions, dx 23", 45, 2, 23, 1.0f},   {"four positions, dx 11", 45, 4, 11, 0.25f},
    {"four positions, dx 12", 45, 4, 12, 0.5f},  {"four positions, dx 22", 45, 4, 22, 0.5f},
    {"four positions, dx 23", 45, 4, 23, 0.75f}, {"four positions, dx 33", 45, 4, 33, 0.75f},
    {"four positions, dx 34", 45, 4, 34, 1.0f},  {"five positions, dx 9", 45, 5, 9, 0.2f},
    {"five positions, dx 10", 45, 5, 10, 0.4f},  {"five positions, dx 18", 45, 5, 18, 0.4f},
    {"five positions, dx 19", 45, 5, 19, 0.6f},  {"five positions, dx 27", 45, 5, 27, 0.6f},
    {"five positions, dx 28", 45, 5, 28, 0.8f},  {"five positions, dx 36", 45, 5, 36, 0.8f},
    {"five positions, dx 37", 45, 5, 37, 1.0f},
};

}  // namespace sweepfilter
