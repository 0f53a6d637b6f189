#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "FactoryPrograms.h"
#include "ParameterTable.h"
#include "PortValues.h"

namespace sweepfilter {

// The values the panels are compared at, pixel for pixel: every factory
// program, and port values on both sides of every switch's threshold (the
// CLAP plug-in's values are the same numbers), with the DLL's settings for
// plughost.
struct Case {
  std::string name;
  float ports[numParameters];
  std::string plughostOptions;
};

inline std::string quotedArgument(const std::string& text) { return "'" + text + "'"; }

inline std::vector<Case> cases() {
  std::vector<Case> result;
  for (std::int32_t program = 0; program < numPrograms; ++program) {
    Case c{"program " + std::to_string(program), {}, "--program " + std::to_string(program)};
    for (std::int32_t i = 0; i < numParameters; ++i)
      c.ports[i] = portValueOf(i, factoryPrograms[program].values[i]).value_or(0.0f);
    result.push_back(c);
  }
  // A switch port reads its nearest setting: each half-way point from both sides.
  const Case base = result[0];
  for (std::int32_t i = 0; i < numParameters; ++i) {
    const std::int32_t settings = parameterTable[i].choiceCount;
    for (std::int32_t setting = 1; setting < settings; ++setting) {
      for (float port : {setting - 0.51f, setting - 0.5f}) {
        Case c = base;
        c.name = std::string(parameterTable[i].name) + " port " + std::to_string(port);
        c.ports[i] = port;
        char value[32];
        std::snprintf(value, sizeof value, "%.9g", static_cast<double>(normalisedOf(i, port)));
        c.plughostOptions += " --set " + quotedArgument(std::string(parameterTable[i].name) + "=" + value);
        result.push_back(c);
      }
    }
  }
  return result;
}

}  // namespace sweepfilter
