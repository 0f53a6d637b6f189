#include "SharedValues.h"

namespace sweepfilter {

SharedValues::SharedValues() {
  for (std::int32_t index = 0; index < clapParameterCount; ++index) values[index].store(defaultValue(index));
}

void SharedValues::set(std::int32_t index, double value) {
  values[index].store(value, std::memory_order_relaxed);
  changed.store(true, std::memory_order_release);
}

void SharedValues::setAll(const StateValues& all) {
  // One whole-set writer at a time; a second one (a host breaking its own
  // threading rules) waits rather than tearing the count.
  std::uint32_t even = sequence.load(std::memory_order_relaxed) & ~1u;
  while (!sequence.compare_exchange_weak(even, even + 1, std::memory_order_acquire, std::memory_order_relaxed))
    even &= ~1u;
  std::atomic_thread_fence(std::memory_order_release);
  for (std::int32_t index = 0; index < clapParameterCount; ++index)
    values[index].store(all[index], std::memory_order_relaxed);
  sequence.store(even + 2, std::memory_order_release);
  changed.store(true, std::memory_order_release);
}

bool SharedValues::takeChanges(StateValues& out) {
  if (!changed.load(std::memory_order_relaxed) || !changed.exchange(false, std::memory_order_acq_rel)) return false;
  const std::uint32_t before = sequence.load(std::memory_order_acquire);
  StateValues read;
  for (std::int32_t index = 0; index < clapParameterCount; ++index) read[index] = get(index);
  std::atomic_thread_fence(std::memory_order_acquire);
  if ((before & 1u) || sequence.load(std::memory_order_relaxed) != before) {
    // A set was being written: its writer raises the flag again when done,
    // and this keeps it raised in case the writer already has.
    changed.store(true, std::memory_order_relaxed);
    return false;
  }
  out = read;
  return true;
}

}  // namespace sweepfilter
