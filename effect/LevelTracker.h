#pragma once

#include <cmath>
#include <cstdint>

#include "Parameters.h"

// Samples per measuring window, which is also the control period.
inline std::int32_t windowLengthFor(float softHard) { return twoWaySetting(softHard) ? 64 : 512; }

// The tracker's input for one sample: the rectified, scaled input.
inline float rectifiedInput(float x, float trackGain) { return std::fabs(x * trackGain); }

// One channel's level tracker: twice the mean of the rectified input over a
// window. Windows never span blocks; a block's incomplete last window is dropped.
struct LevelTracker {
  float trackSum = 0.0f;
  std::int32_t trackCount = 0;
  float trackLevel = 0.0f;  // of the last completed window

  void restart() {
    trackSum = 0.0f;
    trackCount = 0;
  }

  // Adds one sample. True at a window's end, when trackLevel has just changed.
  bool add(float rectified, std::int32_t windowLength) {
    trackSum += rectified;
    if (++trackCount < windowLength) return false;
    trackLevel = (trackSum / static_cast<float>(windowLength)) * 2.0f;
    restart();
    return true;
  }

  // A NaN or infinite input must not leave its mark once the input is clean.
  void clearNonFinite() {
    if (!std::isfinite(trackSum)) trackSum = 0.0f;
    if (!std::isfinite(trackLevel)) trackLevel = 0.0f;
  }
};
