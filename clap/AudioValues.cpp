#include "AudioValues.h"

#include <cmath>

#include "ParameterMapping.h"

namespace sweepfilter {

void AudioValues::set(std::int32_t index, double value) {
  setValues[index] = value;
  if (index == lfoSyncId)
    sync = lfoSyncSettingOf(value);
  else
    update(index);
}

bool AudioValues::modulate(std::int32_t index, double amount) {
  if (!isModulatable(index) || std::isnan(amount)) return false;
  modulation[index] = amount;
  update(index);
  return true;
}

void AudioValues::clearModulation() {
  for (std::int32_t index = 0; index < numParameters; ++index) {
    modulation[index] = 0.0;
    update(index);
  }
}

void AudioValues::update(std::int32_t index) {
  // Unmodulated, the set value itself: a sum would turn a host's -0 into +0.
  const double value =
      modulation[index] == 0.0 ? setValues[index] : *acceptedValue(index, setValues[index] + modulation[index]);
  values[index] = normalisedOfValue(index, value);
}

}  // namespace sweepfilter
