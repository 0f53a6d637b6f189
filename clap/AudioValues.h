#pragma once

#include <cstdint>

#include "LfoSync.h"
#include "Parameters.h"
#include "StateFormat.h"

namespace sweepfilter {

// The values as the audio thread uses them: each as the host set it, with
// the host's modulation on top of the continuous ones (an offset in the
// parameter's unit, kept inside its range), and as the signal path reads
// them. The modulation is the audio's alone: never saved, never shown.
// Audio thread only, or while it is not running.
class AudioValues {
 public:
  void set(std::int32_t index, double value);
  // False for a parameter that takes none, or an amount that is no number.
  bool modulate(std::int32_t index, double amount);
  void clearModulation();

  const ParameterValues& normalised() const { return values; }
  std::int32_t lfoSync() const { return sync; }

 private:
  void update(std::int32_t index);

  StateValues setValues{};
  double modulation[numParameters]{};
  ParameterValues values{};
  std::int32_t sync = lfoSyncFree;
};

}  // namespace sweepfilter
