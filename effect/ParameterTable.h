#pragma once

#include <array>
#include <cstdint>

#include "LfoRate.h"
#include "Parameters.h"

namespace sweepfilter {

// How a parameter's normalised value reads to a person, and so how it is
// shown and what range a front door offers for it.
enum class ValueKind {
  percent,  // 0..1 shown as 0..100 %
  lfoRate,  // 0..1 shown as 0.1..10 Hz
  choice,   // a switch: one of two or three named settings
  toggle,   // a two-way switch that is simply on or off
};

// Every fact about one parameter that a front door needs.
struct ParameterFacts {
  ParameterIndex index;
  const char* name;   // as the host lists it
  const char* label;  // the unit, nine characters wide
  ValueKind kind;
  std::int32_t choiceCount;            // 2 or 3 for a switch, else 0
  std::array<const char*, 3> choices;  // a switch's setting texts, in order
  std::array<float, 3> storedValues;   // the value stored for each setting
  float shownMinimum, shownMaximum;    // the range in the unit people read
  const char* symbol;                  // a stable identifier (LV2 port symbol)
  const char* unit;                    // LV2 unit ("pc", "hz"), null for switches
  const char* group;                   // the panel section it belongs to
};

// The value stored for each setting, as the factory programs store it: 0 for
// the first (the panel's switches send their own values, see SwitchPositions).
inline constexpr std::array<float, 3> threeWayValues = {0.0f, threeWayHighThreshold, 1.0f};
inline constexpr std::array<float, 3> twoWayValues = {0.0f, 1.0f, 1.0f};

inline constexpr const char* percentLabel = "     %   ";
inline constexpr const char* hertzLabel = "    Hz   ";
inline constexpr const char* noLabel = "         ";

constexpr ParameterFacts percent(ParameterIndex index, const char* name, const char* symbol, const char* group) {
  return {index, name, percentLabel, ValueKind::percent, 0, {}, {}, 0.0f, 100.0f, symbol, "pc", group};
}

constexpr ParameterFacts lfoRate(ParameterIndex index, const char* name, const char* symbol, const char* group) {
  return {index,  name, hertzLabel, ValueKind::lfoRate, 0, {}, {}, lowestLfoRateHz, highestLfoRateHz,
          symbol, "hz", group};
}

constexpr ParameterFacts threeWay(ParameterIndex index, const char* name, std::array<const char*, 3> choices,
                                  const char* symbol, const char* group) {
  return {index, name, noLabel, ValueKind::choice, 3, choices, threeWayValues, 0.0f, 2.0f, symbol, nullptr, group};
}

constexpr ParameterFacts twoWay(ParameterIndex index, ValueKind kind, const char* name, const char* first,
                                const char* second, const char* symbol, const char* group) {
  return {index, name, noLabel, kind, 2, {first, second, nullptr}, twoWayValues, 0.0f, 1.0f, symbol, nullptr, group};
}

inline constexpr std::array<const char*, 3> targetChoices = {"OFF", "CUT", "RES"};

// In parameter index order, each row starting with its index.
inline constexpr ParameterFacts parameterTable[numParameters] = {
    percent(paramInput, "Input", "input", "levels"),
    percent(paramResonance, "Resonance", "resonance", "resonance"),
    percent(paramCutoff, "Cutoff", "cutoff", "cutoff"),
    percent(paramLevelTrack, "Leveltrack", "leveltrack", "tracking"),
    lfoRate(paramLfoRate, "LFO freq.", "lfo_rate", "lfo"),
    threeWay(paramLfoWave, "LFO wave", {"SQUARE", "SAW", "SINE"}, "lfo_wave", "lfo"),
    threeWay(paramLfoTrigger, "LFO trigger", targetChoices, "lfo_target", "lfo"),
    threeWay(paramCutRange, "CUT freq.", {"LOW", "MID", "HIGH"}, "cut_range", "cutoff"),
    threeWay(paramTrackDest, "Track dest.", targetChoices, "track_target", "tracking"),
    twoWay(paramSoftHard, ValueKind::choice, "Soft/Hard", "SOFT", "HARD", "track_speed", "tracking"),
    twoWay(paramMode, ValueKind::toggle, "Mode", "MONO", "STEREO", "stereo", "lfo"),
    percent(paramOutput, "Output", "output", "levels"),
};

constexpr bool rowsAtTheirIndex() {
  for (std::int32_t index = 0; index < numParameters; ++index)
    if (parameterTable[index].index != index) return false;
  return true;
}
static_assert(rowsAtTheirIndex(), "each row of the parameter table sits at its own index");

// The panel's sections, by the symbol the table's entries name.
struct ParameterGroup {
  const char* symbol;
  const char* name;
};
inline constexpr ParameterGroup parameterGroups[] = {
    {"cutoff", "Cutoff"}, {"resonance", "Resonance"}, {"tracking", "Level tracking"},
    {"lfo", "LFO"},       {"levels", "Levels"},
};

// The setting a switch's value selects.
constexpr std::int32_t choiceOf(const ParameterFacts& facts, float value) {
  return facts.choiceCount == 3 ? threeWaySetting(value) : twoWaySetting(value) ? 1 : 0;
}

}  // namespace sweepfilter
