#include "ProgramSettings.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

namespace sweepfilter {

namespace {
std::string parameterList(const std::vector<std::string>& names) {
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i) list += (i ? ", " : "") + names[i];
  return list;
}
}  // namespace

std::vector<std::string> parameterNames(const PluginInstance& instance) {
  std::vector<std::string> names;
  for (std::int32_t i = 0; i < instance.descriptor()->parameterCount; ++i) names.push_back(instance.parameterName(i));
  return names;
}

std::optional<std::int32_t> parseInteger(const std::string& text, std::int32_t low, std::int32_t high) {
  std::int32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || value < low || value > high) return std::nullopt;
  return value;
}

std::optional<float> parseNumber(const std::string& text) {
  float value = 0.0f;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<ParameterSetting> parseSetting(const std::string& text, std::string& error) {
  const auto equals = text.rfind('=');
  if (equals == std::string::npos || equals == 0) {
    error = "--set: '" + text + "' is not NAME=VALUE";
    return std::nullopt;
  }
  const std::string name = text.substr(0, equals);
  const std::string valueText = text.substr(equals + 1);
  const auto value = parseNumber(valueText);
  if (!value) {
    error = "--set " + name + ": '" + valueText + "' is not a number";
    return std::nullopt;
  }
  return ParameterSetting{name, *value};
}

bool takeProgramOption(const std::string& name, const std::string& value, std::optional<std::int32_t>& program,
                       std::vector<ParameterSetting>& settings, std::string& error) {
  if (name == "--program") {
    program = parseInteger(value, 0, INT32_MAX);
    if (!program) error = "--program: '" + value + "' is not a program number";
    return program.has_value();
  }
  const auto setting = parseSetting(value, error);
  if (setting) settings.push_back(*setting);
  return setting.has_value();
}

std::string resolveSettings(const PluginInstance& instance, std::optional<std::int32_t> program,
                            const std::vector<ParameterSetting>& settings, std::vector<ResolvedSetting>& out) {
  return resolveSettings(parameterNames(instance), instance.descriptor()->programCount, program, settings, out);
}

std::string resolveSettings(const std::vector<std::string>& names, std::int32_t programCount,
                            std::optional<std::int32_t> program, const std::vector<ParameterSetting>& settings,
                            std::vector<ResolvedSetting>& out) {
  for (const ParameterSetting& setting : settings) {
    const auto found = std::find(names.begin(), names.end(), setting.name);
    if (found == names.end())
      return "unknown parameter '" + setting.name + "' (the plug-in has: " + parameterList(names) + ")";
    out.push_back({static_cast<std::int32_t>(found - names.begin()), setting.value});
  }
  if (program && *program >= programCount)
    return "program " + std::to_string(*program) + " does not exist (the plug-in has 0 to " +
           std::to_string(programCount - 1) + ")";
  return {};
}

void applySettings(const PluginInstance& instance, std::optional<std::int32_t> program,
                   const std::vector<ResolvedSetting>& settings) {
  if (program) instance.selectProgram(*program);
  for (const ResolvedSetting& setting : settings) instance.set(setting.index, setting.value);
}

}  // namespace sweepfilter
