#include "SharedValues.h"

#include "ParameterMapping.h"

namespace sweepfilter {

SharedValues::SharedValues() {
  for (std::int32_t index = 0; index < numParameters; ++index) values[index].store(defaultValue(index));
}

void SharedValues::set(std::int32_t index, double value) {
  values[index].store(value, std::memory_order_relaxed);
  changed.store(true, std::memory_order_release);
}

ParameterValues SharedValues::normalised() const {
  ParameterValues out;
  for (std::int32_t index = 0; index < numParameters; ++index) out[index] = normalisedOfValue(index, get(index));
  return out;
}

}  // namespace sweepfilter
