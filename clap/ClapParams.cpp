// The params extension: the table's twelve parameters and "LFO sync", their values and texts.
#include "ClapInstance.h"
#include "ParameterMapping.h"

namespace sweepfilter {

namespace {
std::uint32_t count(const clap_plugin*) { return clapParameterCount; }

bool getInfo(const clap_plugin*, std::uint32_t index, clap_param_info* info) {
  if (!info || !isParameterId(index)) return false;
  describeParameter(static_cast<std::int32_t>(index), *info);
  return true;
}

bool getValue(const clap_plugin* plugin, clap_id id, double* value) {
  if (!value || !isParameterId(id)) return false;
  *value = instanceOf(plugin).values.get(static_cast<std::int32_t>(id));
  return true;
}

bool valueToText(const clap_plugin*, clap_id id, double value, char* text, std::uint32_t capacity) {
  return isParameterId(id) && writeValueText(static_cast<std::int32_t>(id), value, text, capacity);
}

bool textToValue(const clap_plugin*, clap_id id, const char* text, double* value) {
  if (!value || !isParameterId(id)) return false;
  const auto parsed = valueOfText(static_cast<std::int32_t>(id), text);
  if (parsed) *value = *parsed;
  return parsed.has_value();
}

// The host's changes while it is not processing (or between blocks on the
// audio thread); never at the same time as process.
void flush(const clap_plugin* plugin, const clap_input_events* in, const clap_output_events* out) {
  ClapInstance& instance = instanceOf(plugin);
  instance.panelEvents.sendTo(out);
  if (!in || !in->size || !in->get) return;
  const std::uint32_t events = in->size(in);
  for (std::uint32_t e = 0; e < events; ++e)
    if (const clap_event_header* event = in->get(in, e)) applyParameterEvent(instance, *event);
}
}  // namespace

const clap_plugin_params paramsExtension = {count, getInfo, getValue, valueToText, textToValue, flush};

}  // namespace sweepfilter
