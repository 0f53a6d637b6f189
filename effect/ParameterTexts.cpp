#include "ParameterTexts.h"

#include <cstdio>
#include <cstring>

#include "ParameterTable.h"
#include "ValueText.h"

namespace sweepfilter {

namespace {

constexpr const char* unknownText = "???";

// Percent is computed in double from the stored float, so 0.7 (just below
// 0.7 in single precision) shows 69, as the truncation dictates.
void formatPercent(float value, char* text) {
  std::sprintf(text, "   %d", truncateToInt32(static_cast<double>(value) * 100.0f));
}

void formatLfoRate(float value, char* text) {
  // "%2.1f" of an unbounded value could be hundreds of characters long.
  std::snprintf(text, maxParameterTextSize, "   %2.1f", static_cast<double>(lfoRateHz(value)));
}
}  // namespace

const char* parameterName(std::int32_t index) { return isParameter(index) ? parameterTable[index].name : unknownText; }

const char* parameterLabel(std::int32_t index) {
  return isParameter(index) ? parameterTable[index].label : unknownText;
}

void formatParameterValue(std::int32_t index, float value, char* text) {
  if (!isParameter(index)) return static_cast<void>(std::strcpy(text, unknownText));
  const ParameterFacts& facts = parameterTable[index];
  switch (facts.kind) {
    case ValueKind::percent:
      return formatPercent(value, text);
    case ValueKind::lfoRate:
      return formatLfoRate(value, text);
    case ValueKind::choice:
    case ValueKind::toggle:
      std::strcpy(text, facts.choices[choiceOf(facts, value)]);
      return;
  }
}

}  // namespace sweepfilter
