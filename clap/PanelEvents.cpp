#include "PanelEvents.h"

namespace sweepfilter {

namespace {
// Room a gesture keeps for its last value and its end.
constexpr std::uint32_t reserved = 2;

bool offer(const clap_output_events* out, const PanelEvents::Event& event) {
  const clap_event_header header{0, 0, CLAP_CORE_EVENT_SPACE_ID, event.type, 0};
  if (event.type == CLAP_EVENT_PARAM_VALUE) {
    clap_event_param_value value{};
    value.header = header;
    value.header.size = sizeof value;
    value.param_id = event.parameter;
    value.note_id = -1;
    value.port_index = value.channel = value.key = -1;
    value.value = event.value;
    return out->try_push(out, &value.header);
  }
  clap_event_param_gesture gesture{header, event.parameter};
  gesture.header.size = sizeof gesture;
  return out->try_push(out, &gesture.header);
}
}  // namespace

std::uint32_t PanelEvents::room() const {
  return capacity - (written.load(std::memory_order_relaxed) - read.load(std::memory_order_acquire));
}

void PanelEvents::store(const Event& event) {
  const std::uint32_t at = written.load(std::memory_order_relaxed);
  events[at % capacity] = event;
  written.store(at + 1, std::memory_order_release);
}

bool PanelEvents::push(const Event& event) {
  const bool inSentGesture = gesture == Gesture::sent;
  if (event.type == CLAP_EVENT_PARAM_GESTURE_END) {
    gesture = Gesture::none;
    if (inSentGesture && lastDropped) store(*lastDropped);
  } else if (event.type == CLAP_EVENT_PARAM_GESTURE_BEGIN) {
    gesture = room() > reserved ? Gesture::sent : Gesture::dropped;
  } else if (gesture != Gesture::dropped && room() <= reserved) {
    if (inSentGesture) lastDropped = event;
    return false;
  }
  lastDropped.reset();
  const bool goes = event.type == CLAP_EVENT_PARAM_GESTURE_END ? inSentGesture : gesture != Gesture::dropped;
  if (goes) store(event);
  return goes;
}

void PanelEvents::sendTo(const clap_output_events* out) {
  if (!out || !out->try_push) return;
  for (std::uint32_t at = read.load(std::memory_order_relaxed); at != written.load(std::memory_order_acquire); ++at) {
    if (!offer(out, events[at % capacity])) return;
    read.store(at + 1, std::memory_order_release);
  }
}

}  // namespace sweepfilter
