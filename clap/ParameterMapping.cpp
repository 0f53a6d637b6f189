#include "ParameterMapping.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "FactoryPrograms.h"
#include "ParameterTable.h"
#include "ParameterTexts.h"
#include "PortValues.h"

namespace sweepfilter {

namespace {
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

const char* groupName(const char* symbol) {
  for (const ParameterGroup& group : parameterGroups)
    if (std::strcmp(group.symbol, symbol) == 0) return group.name;
  return "";
}

// The number in the value's text.
double shownNumber(std::int32_t index, double value) {
  char text[maxParameterTextSize];
  formatParameterValue(index, normalisedOfValue(index, value), text);
  const std::string_view number = trimmed(text);
  double shown = 0.0;
  std::from_chars(number.data(), number.data() + number.size(), shown);
  return shown;
}

// The values reach the signal path as floats.
double nextValueUp(double value) { return std::nextafter(static_cast<float>(value), INFINITY); }

void copyText(char* field, std::size_t capacity, const char* text) { std::snprintf(field, capacity, "%s", text); }
}  // namespace

bool isParameterId(clap_id id) { return id < static_cast<clap_id>(numParameters); }

void describeParameter(std::int32_t index, clap_param_info& info) {
  const ParameterFacts& facts = parameterTable[index];
  info.id = static_cast<clap_id>(index);
  info.flags = CLAP_PARAM_IS_AUTOMATABLE | (facts.choiceCount > 0 ? CLAP_PARAM_IS_STEPPED | CLAP_PARAM_IS_ENUM : 0);
  info.cookie = nullptr;
  copyText(info.name, sizeof info.name, facts.name);
  copyText(info.module, sizeof info.module, groupName(facts.group));
  info.min_value = facts.shownMinimum;
  info.max_value = facts.shownMaximum;
  info.default_value = defaultValue(index);
}

std::optional<double> acceptedValue(std::int32_t index, double value) {
  if (std::isnan(value)) return std::nullopt;
  const ParameterFacts& facts = parameterTable[index];
  const double inRange = std::clamp(value, double{facts.shownMinimum}, double{facts.shownMaximum});
  return facts.choiceCount > 0 ? std::round(inRange) : inRange;
}

double defaultValue(std::int32_t index) { return valueOfNormalised(index, factoryPrograms[0].values[index]); }

double valueOfNormalised(std::int32_t index, float normalised) {
  // Every program value has an exact one; any other gets the nearest.
  return portValueOf(index, normalised).value_or(portValueForMove(index, normalised));
}

float normalisedOfValue(std::int32_t index, double value) { return normalisedOf(index, static_cast<float>(value)); }

bool writeValueText(std::int32_t index, double value, char* text, std::uint32_t capacity) {
  const auto accepted = acceptedValue(index, value);
  if (!accepted || !text || capacity == 0) return false;
  char shown[maxParameterTextSize];
  formatParameterValue(index, normalisedOfValue(index, *accepted), shown);
  const std::string_view number = trimmed(shown), unit = trimmed(parameterTable[index].label);
  const int length = std::snprintf(text, capacity, "%.*s%s%.*s", static_cast<int>(number.size()), number.data(),
                                   unit.empty() ? "" : " ", static_cast<int>(unit.size()), unit.data());
  return length >= 0 && static_cast<std::uint32_t>(length) < capacity;
}

std::optional<double> valueOfText(std::int32_t index, const char* text) {
  if (!text) return std::nullopt;
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
  const std::string_view unit = trimmed(std::string_view(end, shown.data() + shown.size() - end));
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
