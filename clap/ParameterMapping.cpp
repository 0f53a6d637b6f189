#include "ParameterMapping.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "FactoryPrograms.h"
#include "ParameterTable.h"
#include "ParameterTexts.h"
#include "PortValues.h"

namespace sweepfilter {

namespace {
const char* groupName(const char* symbol) {
  for (const ParameterGroup& group : parameterGroups)
    if (std::strcmp(group.symbol, symbol) == 0) return group.name;
  return "";
}

void copyText(char* field, std::size_t capacity, const char* text) { std::snprintf(field, capacity, "%s", text); }
}  // namespace

bool isParameterId(clap_id id) { return id < static_cast<clap_id>(clapParameterCount); }

void describeParameter(std::int32_t index, clap_param_info& info) {
  if (index == lfoSyncId) {
    info = {};
    info.id = static_cast<clap_id>(lfoSyncId);
    info.flags = CLAP_PARAM_IS_AUTOMATABLE | CLAP_PARAM_IS_STEPPED | CLAP_PARAM_IS_ENUM;
    copyText(info.name, sizeof info.name, lfoSyncName);
    copyText(info.module, sizeof info.module, groupName("lfo"));
    info.max_value = lfoSyncSettingCount - 1;
    return;
  }
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
  if (index == lfoSyncId) return lfoSyncSettingOf(value);
  const ParameterFacts& facts = parameterTable[index];
  const double inRange = std::clamp(value, double{facts.shownMinimum}, double{facts.shownMaximum});
  return facts.choiceCount > 0 ? std::round(inRange) : inRange;
}

double defaultValue(std::int32_t index) {
  return index == lfoSyncId ? lfoSyncFree : closestPortValue(index, factoryPrograms[0].values[index]);
}

float normalisedOfValue(std::int32_t index, double value) { return normalisedOf(index, static_cast<float>(value)); }

bool writeValueText(std::int32_t index, double value, char* text, std::uint32_t capacity) {
  const auto accepted = acceptedValue(index, value);
  if (!accepted || !text) return false;
  char shown[maxParameterTextSize];
  if (index == lfoSyncId)
    copyText(shown, sizeof shown, lfoSyncText(static_cast<std::int32_t>(*accepted)));
  else
    formatPortValueText(index, static_cast<float>(*accepted), shown);
  const std::size_t length = std::strlen(shown);
  if (length >= capacity) return false;
  std::memcpy(text, shown, length + 1);
  return true;
}

std::optional<double> valueOfText(std::int32_t index, const char* text) {
  if (!text) return std::nullopt;
  if (index == lfoSyncId) {
    const auto setting = lfoSyncOfText(text);
    return setting ? std::optional<double>(*setting) : std::nullopt;
  }
  return portValueOfText(index, text);
}

}  // namespace sweepfilter
