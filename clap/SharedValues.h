#pragma once

#include <atomic>
#include <cstdint>

#include "Parameters.h"

namespace sweepfilter {

// The host's values are doubles; kept whole, so that what the host set is
// what it reads back. On both targets a double's atomic is a plain store.
static_assert(std::atomic<double>::is_always_lock_free);

// The twelve values in the host's units, written and read on the main
// thread (state, presets) and the audio thread (events) alike: lock-free.
// The audio thread takes up every change at its next block.
class SharedValues {
 public:
  SharedValues();  // the first program

  double get(std::int32_t index) const { return values[index].load(std::memory_order_relaxed); }
  // `value` as acceptedValue gives it.
  void set(std::int32_t index, double value);
  // True once after any change: the audio thread's cue to read them all again.
  // Read first: most blocks see no change, and a plain load costs no bus lock.
  bool takeChanges() {
    return changed.load(std::memory_order_relaxed) && changed.exchange(false, std::memory_order_acquire);
  }
  // The normalised values the signal path reads.
  ParameterValues normalised() const;

 private:
  std::atomic<double> values[numParameters];
  std::atomic<bool> changed{true};
};

}  // namespace sweepfilter
