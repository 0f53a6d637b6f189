#pragma once

#include <cmath>
#include <cstdint>

#include "ChannelPair.h"
#include "Parameters.h"

namespace sweepfilter {

// Samples per measuring window, which is also the control period.
inline std::int32_t windowLengthFor(float softHard) { return twoWaySetting(softHard) ? 64 : 512; }

// The tracker's input for one sample of one channel or of both side by side.
template <typename Value>
Value rectifiedInput(Value x, float trackGain) {
  return magnitude(x * trackGain);
}

// One channel's level tracker: twice the mean of the rectified input over a
// window. Whether windows span blocks is the window policy's (WindowPolicy.h).
struct LevelTracker {
  float trackSum = 0.0f;
  std::int32_t trackCount = 0;
  float trackLevel = 0.0f;  // of the last completed window

  void restart() {
    trackSum = 0.0f;
    trackCount = 0;
  }

  void add(float rectified) {
    trackSum += rectified;
    ++trackCount;
  }

  // At a window's end: twice the window's mean, and a new window.
  void completeWindow(std::int32_t windowLength) {
    trackLevel = (trackSum / static_cast<float>(windowLength)) * 2.0f;
    restart();
  }

  // A NaN or infinite input must not leave its mark once the input is clean.
  void repair() {
    if (!std::isfinite(trackSum)) trackSum = 0.0f;
    if (!std::isfinite(trackLevel)) trackLevel = 0.0f;
  }
};

}  // namespace sweepfilter
