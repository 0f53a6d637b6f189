#pragma once

#include <atomic>
#include <cstdint>

#include "ParameterMapping.h"
#include "StateFormat.h"

namespace sweepfilter {

// The host's values are doubles; kept whole, so that what the host set is
// what it reads back. On both targets a double's atomic is a plain store.
static_assert(std::atomic<double>::is_always_lock_free);

// The door's thirteen values in the host's units (the twelve, then "LFO
// sync" at lfoSyncId as its setting's number), written and read on the main
// thread (state, presets, panel) and the audio thread (events) alike:
// lock-free. A whole set (a state, a preset) is written under a sequence
// count, so that the audio thread takes it up at one block start, never
// half of it; single values need no count, each is a change of its own.
class SharedValues {
 public:
  SharedValues();  // the first program

  double get(std::int32_t index) const { return values[index].load(std::memory_order_relaxed); }
  // `value` as acceptedValue gives it.
  void set(std::int32_t index, double value);
  // Every value at once; main thread.
  void setAll(const StateValues& all);
  // The audio thread's block start: after any change, all thirteen values
  // as one set into `out`. False, and `out` left, when nothing changed or a
  // whole set is being written (the next block takes it). Most blocks see
  // no change: a plain load, no bus lock.
  bool takeChanges(StateValues& out);

 private:
  std::atomic<double> values[clapParameterCount];
  std::atomic<std::uint32_t> sequence{0};  // odd while a whole set is written
  std::atomic<bool> changed{true};
};

}  // namespace sweepfilter
