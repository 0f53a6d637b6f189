#include "ParameterTexts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "ParameterTable.h"
#include "PortValues.h"
#include "ValueText.h"

namespace sweepfilter {

namespace {

constexpr const char* unknownText = "???";
// The DLL's numbers stand three spaces in.
constexpr std::string_view padding = "   ";
constexpr std::size_t maxNumberLength = maxParameterTextSize - 1 - padding.size();

// The number after the padding, cut to what the text holds, terminated.
void writePadded(std::string_view number, char* text) {
  std::memcpy(text, padding.data(), padding.size());
  const std::size_t length = std::min(number.size(), maxNumberLength);
  std::memcpy(text + padding.size(), number.data(), length);
  text[padding.size() + length] = '\0';
}

// Percent is computed in double from the stored float, so 0.7 (just below
// 0.7 in single precision) shows 69, as the truncation dictates.
void formatPercent(float value, char* text) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, truncateToInt32(static_cast<double>(value) * 100.0f));
  writePadded({digits, static_cast<std::size_t>(end.ptr - digits)}, text);
}

// One decimal, rounded from the exact binary value as printf's "%.1f" does;
// an unbounded value is cut to the text's size, NaN shown without a sign as
// the DLL's runtime always showed it.
void formatLfoRate(float value, char* text) {
  const double hertz = lfoRateHz(value);
  if (std::isnan(hertz)) return writePadded("nan", text);
  char digits[64];
  const auto end = std::to_chars(digits, digits + sizeof digits, hertz, std::chars_format::fixed, 1);
  writePadded({digits, static_cast<std::size_t>(end.ptr - digits)}, text);
}

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return (x >= 'a' && x <= 'z' ? x - 32 : x) == (y >= 'a' && y <= 'z' ? y - 32 : y);
         });
}

// The number in the text of a port value.
double shownNumber(std::int32_t index, double portValue) {
  char text[maxParameterTextSize];
  formatParameterValue(index, normalisedOf(index, static_cast<float>(portValue)), text);
  const std::string_view number = trimmed(text);
  double shown = 0.0;
  std::from_chars(number.data(), number.data() + number.size(), shown);
  return shown;
}

// The values reach the signal path as floats.
double nextValueUp(double value) { return std::nextafter(static_cast<float>(value), INFINITY); }
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

void formatPortValueText(std::int32_t index, float portValue, char* text) {
  if (!isParameter(index)) return static_cast<void>(std::strcpy(text, unknownText));
  // The trimmed number leaves room for the space and a two-letter unit.
  char shown[maxParameterTextSize];
  formatParameterValue(index, normalisedOf(index, portValue), shown);
  const std::string_view number = trimmed(shown), unit = trimmed(parameterTable[index].label);
  char* out = std::copy(number.begin(), number.end(), text);
  if (!unit.empty()) {
    *out++ = ' ';
    out = std::copy(unit.begin(), unit.end(), out);
  }
  *out = '\0';
}

std::optional<double> portValueOfText(std::int32_t index, std::string_view text) {
  if (!isParameter(index)) return std::nullopt;
  const ParameterFacts& facts = parameterTable[index];
  const std::string_view shown = trimmed(text);
  if (facts.choiceCount > 0) {
    for (std::int32_t setting = 0; setting < facts.choiceCount; ++setting)
      if (sameIgnoringCase(shown, facts.choices[setting])) return setting;
    return std::nullopt;
  }
  double value = 0.0;
  const auto [end, error] = std::from_chars(shown.data(), shown.data() + shown.size(), value);
  if (error != std::errc{}) return std::nullopt;
  const std::string_view unit =
      trimmed(std::string_view(end, static_cast<std::size_t>(shown.data() + shown.size() - end)));
  if (!unit.empty() && !sameIgnoringCase(unit, trimmed(facts.label))) return std::nullopt;
  // The range's ends are floats: "0.1" is just below 0.1f.
  const auto single = static_cast<float>(value);
  if (!(single >= facts.shownMinimum && single <= facts.shownMaximum)) return std::nullopt;
  value = std::clamp(value, double{facts.shownMinimum}, double{facts.shownMaximum});
  // The DLL's texts truncate what the stored float gives (52 % is 0.52f,
  // shown as 51): a typed number gets the nearest value above it that shows it.
  for (int step = 0; step < 16 && shownNumber(index, value) < std::floor(value); ++step) value = nextValueUp(value);
  return value;
}

}  // namespace sweepfilter
