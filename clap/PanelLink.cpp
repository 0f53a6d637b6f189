#include "PanelLink.h"

#include "LfoSync.h"
#include "MoveEcho.h"
#include "ParameterMapping.h"
#include "PortValues.h"

namespace sweepfilter {

void PanelLink::userMoved(ClapInstance& instance, ParameterIndex parameter, float normalised) {
  // The value the move sends, as this door keeps it: "LFO sync" moves by its setting's number.
  const double moved = parameter == lfoSyncId ? normalised : portValueForMove(parameter, normalised);
  const auto value = acceptedValue(parameter, moved);
  if (!value) return;
  instance.values.set(parameter, *value);
  if (gesture != parameter) {
    release(instance);
    instance.panelEvents.push({CLAP_EVENT_PARAM_GESTURE_BEGIN, static_cast<clap_id>(parameter), 0.0});
    gesture = parameter;
  }
  instance.panelEvents.push({CLAP_EVENT_PARAM_VALUE, static_cast<clap_id>(parameter), *value});
  sent = true;
}

void PanelLink::release(ClapInstance& instance) {
  if (!gesture) return;
  instance.panelEvents.push({CLAP_EVENT_PARAM_GESTURE_END, static_cast<clap_id>(*gesture), 0.0});
  gesture.reset();
  sent = true;
}

void PanelLink::requestFlush(ClapInstance& instance) {
  if (sent && !instance.processing && instance.hostParams && instance.hostParams->request_flush)
    instance.hostParams->request_flush(instance.host);
  sent = false;
}

std::optional<float> PanelLink::toShow(const ClapInstance& instance, ParameterIndex parameter, float shown) {
  const double value = instance.values.get(parameter);
  if (isEchoOfMove(parameter, shown, value)) return std::nullopt;
  return normalisedOfValue(parameter, value);
}

}  // namespace sweepfilter
