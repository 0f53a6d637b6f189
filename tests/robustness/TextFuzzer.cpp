// libFuzzer target over the text-to-value parser: the first byte picks a
// parameter, the rest is typed text, any bytes. What it accepts must be in
// range (a switch on a setting) and settle at once: its text reads back to a
// value that shows the same text, the very value for a switch.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "ParameterTable.h"
#include "ParameterTexts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sweepfilter;
  if (size == 0) return 0;
  const std::int32_t index = data[0] % numParameters;
  const ParameterFacts& facts = parameterTable[index];
  const auto value = portValueOfText(index, {reinterpret_cast<const char*>(data + 1), size - 1});
  if (!value) return 0;
  char shown[maxParameterTextSize], again[maxParameterTextSize];
  formatPortValueText(index, static_cast<float>(*value), shown);
  const auto back = portValueOfText(index, shown);
  if (back) formatPortValueText(index, static_cast<float>(*back), again);
  if (!(*value >= facts.shownMinimum && *value <= facts.shownMaximum) || !back || std::strcmp(shown, again) != 0 ||
      (facts.choiceCount > 0 && (*back != *value || *value != std::round(*value))))
    std::abort();
  return 0;
}
