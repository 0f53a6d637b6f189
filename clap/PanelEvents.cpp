#include "PanelEvents.h"

namespace sweepfilter {

bool PanelEvents::push(const Event& event) {
  const std::uint32_t at = written.load(std::memory_order_relaxed);
  if (at - read.load(std::memory_order_acquire) == capacity) return false;
  events[at % capacity] = event;
  written.store(at + 1, std::memory_order_release);
  return true;
}

std::optional<PanelEvents::Event> PanelEvents::pop() {
  const std::uint32_t at = read.load(std::memory_order_relaxed);
  if (at == written.load(std::memory_order_acquire)) return std::nullopt;
  const Event event = events[at % capacity];
  read.store(at + 1, std::memory_order_release);
  return event;
}

void PanelEvents::sendTo(const clap_output_events* out) {
  if (!out || !out->try_push) return;
  while (const auto event = pop()) {
    const clap_event_header header{0, 0, CLAP_CORE_EVENT_SPACE_ID, event->type, 0};
    if (event->type == CLAP_EVENT_PARAM_VALUE) {
      clap_event_param_value value{};
      value.header = header;
      value.header.size = sizeof value;
      value.param_id = event->parameter;
      value.note_id = -1;
      value.port_index = value.channel = value.key = -1;
      value.value = event->value;
      out->try_push(out, &value.header);
    } else {
      clap_event_param_gesture gesture{header, event->parameter};
      gesture.header.size = sizeof gesture;
      out->try_push(out, &gesture.header);
    }
  }
}

}  // namespace sweepfilter
