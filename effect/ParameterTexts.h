#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace sweepfilter {

// Names, unit labels and value texts as the host shows them. "???" for an
// index outside the parameters. The texts never depend on the process's
// locale: a host's decimal comma changes no byte of them.
const char* parameterName(std::int32_t index);
const char* parameterLabel(std::int32_t index);
void formatParameterValue(std::int32_t index, float value, char* text);

// The longest text formatParameterValue can write, terminator included
// ("   -2147483648" for a huge negative percentage).
inline constexpr int maxParameterTextSize = 15;

// Both ways between a port value (the unit people read: percent, Hz, a
// setting's number) and its text: the DLL's text for it without the padding,
// then its unit ("68 %", "5.0 Hz", "SAW"), within maxParameterTextSize; and
// back from a number with or without the unit, or a setting's name in any
// case. Nothing for a text that is neither, or a number out of the range.
void formatPortValueText(std::int32_t index, float portValue, char* text);
std::optional<double> portValueOfText(std::int32_t index, std::string_view text);

}  // namespace sweepfilter
