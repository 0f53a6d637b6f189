#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "PluginInstance.h"

namespace sweepfilter {

// What several commands take: a program to select (--program N) and
// parameter values to set by name (--set NAME=VALUE), checked against the
// plug-in before anything is changed.

// A parameter value to set, by the name the plug-in reports.
struct ParameterSetting {
  std::string name;
  float value;
};

// The same setting, its name looked up.
struct ResolvedSetting {
  std::int32_t index;
  float value;
};

// A whole decimal number from low to high, or nothing.
std::optional<std::int32_t> parseInteger(const std::string& text, std::int32_t low, std::int32_t high);
// A whole finite number, or nothing.
std::optional<float> parseNumber(const std::string& text);
// NAME=VALUE; names may hold spaces and dots but not '='. On failure nothing,
// with a one-line reason in `error`.
std::optional<ParameterSetting> parseSetting(const std::string& text, std::string& error);

// Takes a --program or --set option into `program` or `settings`; false, with
// a one-line reason in `error`, when its value is not valid.
bool takeProgramOption(const std::string& name, const std::string& value, std::optional<std::int32_t>& program,
                       std::vector<ParameterSetting>& settings, std::string& error);

// Looks every name up and checks the program number: "" or the reason.
std::string resolveSettings(const std::vector<std::string>& names, std::int32_t programCount,
                            std::optional<std::int32_t> program, const std::vector<ParameterSetting>& settings,
                            std::vector<ResolvedSetting>& out);
std::string resolveSettings(const PluginInstance& instance, std::optional<std::int32_t> program,
                            const std::vector<ParameterSetting>& settings, std::vector<ResolvedSetting>& out);
std::vector<std::string> parameterNames(const PluginInstance& instance);
// Selects the program (if any), then sets the values in their order.
void applySettings(const PluginInstance& instance, std::optional<std::int32_t> program,
                   const std::vector<ResolvedSetting>& settings);

}  // namespace sweepfilter
