#include "PortValues.h"

#include <cmath>

#include "ParameterTable.h"

namespace sweepfilter {

namespace {
// A switch's setting from its port: to the nearest setting number, halves
// upwards, anything below the first (or NaN) on the first.
std::int32_t settingOf(const ParameterFacts& facts, float portValue) {
  const std::int32_t setting = portValue >= 1.5f ? 2 : portValue >= 0.5f ? 1 : 0;
  return setting < facts.choiceCount ? setting : facts.choiceCount - 1;
}
}  // namespace

float portValueForMove(std::int32_t index, float normalised) {
  const ParameterFacts& facts = parameterTable[index];
  switch (facts.kind) {
    case ValueKind::percent:
      return normalised * 100.0f;
    case ValueKind::lfoRate:
      return lfoRateHz(normalised);
    case ValueKind::choice:
    case ValueKind::toggle:
      break;
  }
  return static_cast<float>(choiceOf(facts, normalised));
}

float normalisedOf(std::int32_t index, float portValue) {
  const ParameterFacts& facts = parameterTable[index];
  switch (facts.kind) {
    case ValueKind::percent:
      return portValue / 100.0f;
    case ValueKind::lfoRate:
      return lfoRateValue(portValue);
    case ValueKind::choice:
    case ValueKind::toggle:
      break;
  }
  return facts.storedValues[settingOf(facts, portValue)];
}

std::optional<float> portValueOf(std::int32_t index, float normalised) {
  // People read round numbers: the shown value to two decimals first. Else
  // the shown value rounded to a float, which can miss by an ulp or two on
  // the way back, or a near neighbour of it.
  constexpr int neighbours = 8;
  const float shown = portValueForMove(index, normalised);
  const auto rounded = static_cast<float>(std::round(static_cast<double>(shown) * 100.0) / 100.0);
  if (normalisedOf(index, rounded) == normalised) return rounded;
  float below = shown, above = shown;
  for (int step = 0; step <= neighbours; ++step) {
    if (normalisedOf(index, below) == normalised) return below;
    if (normalisedOf(index, above) == normalised) return above;
    below = std::nextafter(below, -INFINITY);
    above = std::nextafter(above, INFINITY);
  }
  return std::nullopt;
}

float closestPortValue(std::int32_t index, float normalised) {
  return portValueOf(index, normalised).value_or(portValueForMove(index, normalised));
}

}  // namespace sweepfilter
