#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>

#include "ClapAbi.h"

namespace sweepfilter {

// A user's moves on the panel, on their way from the main thread to the host
// through the next process or flush: one writer (the panel), one reader (the
// thread that calls process or flush, never both at once). Lock-free. An
// event leaves only once the host has taken it; what it refuses is offered
// again, in order, at the next process or flush.
//
// When the queue is full a value may be dropped, never a gesture's end: a
// begin is taken only with room for a last value and the end behind it, and
// values leave those two places free. A value dropped inside a gesture is
// kept and goes out just before the end, so the host's last value is the
// user's; a gesture whose begin found no room sends nothing at all.
class PanelEvents {
 public:
  struct Event {
    std::uint16_t type;  // CLAP_EVENT_PARAM_VALUE or a gesture's begin or end
    clap_id parameter;
    double value;
  };

  // The writer's side; false when the event is dropped.
  bool push(const Event& event);
  // The reader's side: waiting events into `out` at the block's first frame,
  // up to the first the host refuses.
  void sendTo(const clap_output_events* out);

 private:
  static constexpr std::uint32_t capacity = 1024;
  std::uint32_t room() const;
  void store(const Event& event);

  std::array<Event, capacity> events{};
  std::atomic<std::uint32_t> written{0}, read{0};
  // The writer's own: whether its gesture is on its way, and a value that
  // found no room in it.
  enum class Gesture { none, sent, dropped } gesture = Gesture::none;
  std::optional<Event> lastDropped;
};

}  // namespace sweepfilter
