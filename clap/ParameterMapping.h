#pragma once

#include <cstdint>
#include <optional>

#include "ClapExtensions.h"
#include "LfoSync.h"
#include "Parameters.h"

namespace sweepfilter {

// The parameters as hosts see them through this door: ids 0 to 11 are the
// DLL's indices, values are in the unit people read (the LV2 ports' values:
// percent, Hz, a switch's setting number), all from the parameter table;
// id 12 (lfoSyncId) is "LFO sync", its value the setting's number.
inline constexpr std::int32_t clapParameterCount = numParameters + 1;
static_assert(lfoSyncId == numParameters);

bool isParameterId(clap_id id);
void describeParameter(std::int32_t index, clap_param_info& info);

// A host's value as this door keeps it: inside the range, a switch on its
// nearest setting. Nothing for NaN.
std::optional<double> acceptedValue(std::int32_t index, double value);
// The first program's value, as a new instance starts.
double defaultValue(std::int32_t index);
// One of the twelve's value as the signal path reads it.
float normalisedOfValue(std::int32_t index, double value);

// The value's text with its unit ("68 %", "5.0 Hz", "SAW") and back, as
// formatPortValueText and portValueOfText give them, within the host's capacity.
bool writeValueText(std::int32_t index, double value, char* text, std::uint32_t capacity);
std::optional<double> valueOfText(std::int32_t index, const char* text);

}  // namespace sweepfilter
