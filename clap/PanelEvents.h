#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>

#include "ClapAbi.h"

namespace sweepfilter {

// A user's moves on the panel, on their way from the main thread to the host
// through the next process or flush: one writer (the panel), one reader (the
// thread that calls process or flush, never both at once). Lock-free; a move
// made while the queue is full is dropped (the host's own value stays right:
// the shared values have it).
class PanelEvents {
 public:
  struct Event {
    std::uint16_t type;  // CLAP_EVENT_PARAM_VALUE or a gesture's begin or end
    clap_id parameter;
    double value;
  };

  bool push(const Event& event);
  std::optional<Event> pop();
  // Every waiting event into `out`, at the block's first frame.
  void sendTo(const clap_output_events* out);

 private:
  static constexpr std::uint32_t capacity = 1024;
  std::array<Event, capacity> events{};
  std::atomic<std::uint32_t> written{0}, read{0};
};

}  // namespace sweepfilter
