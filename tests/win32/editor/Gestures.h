#pragma once

#include <cstdio>
#include <functional>

namespace sweepfilter {

// Runs a scenario that plays mouse gestures (with playMouse) and answers
// whether all its presses arrived where they were aimed. Under load, wine and
// the X server now and then lose or misplace a press: the scenario then runs
// again from the start, on fresh instances, up to three times. False if no
// run got all its presses through.
inline bool untilPressesArrive(const std::function<bool()>& scenario) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (scenario()) return true;
    std::printf("note: a press went astray on its way to the panel; playing the scenario again\n");
  }
  return false;
}

}  // namespace sweepfilter
