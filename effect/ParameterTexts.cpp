#include "ParameterTexts.h"

#include <cstdio>
#include <cstring>

#include "Parameters.h"
#include "ValueText.h"

namespace {
constexpr const char* names[numParameters] = {
    "Input",       "Resonance", "Cutoff",      "Leveltrack", "LFO freq.", "LFO wave",
    "LFO trigger", "CUT freq.", "Track dest.", "Soft/Hard",  "Mode",      "Output",
};

constexpr const char* percentLabel = "     %   ";
constexpr const char* hertzLabel = "    Hz   ";
constexpr const char* noLabel = "         ";

constexpr const char* unknownText = "???";

constexpr const char* waveTexts[3] = {"SQUARE", "SAW", "SINE"};
constexpr const char* targetTexts[3] = {"OFF", "CUT", "RES"};
constexpr const char* rangeTexts[3] = {"LOW", "MID", "HIGH"};

bool isParameter(std::int32_t index) { return index >= 0 && index < numParameters; }

void copy(const char* source, char* text) { std::strcpy(text, source); }

// Percent is computed in double from the stored float, so 0.7 (just below
// 0.7 in single precision) shows 69, as the truncation dictates.
void formatPercent(float value, char* text) {
  std::sprintf(text, "   %d", truncateToInt32(static_cast<double>(value) * 100.0f));
}

void formatLfoRate(float value, char* text) {
  const float hertz = value * 9.9f + 0.1f;
  // "%2.1f" of an unbounded value could be hundreds of characters long.
  std::snprintf(text, maxParameterTextSize, "   %2.1f", static_cast<double>(hertz));
}
}  // namespace

const char* parameterName(std::int32_t index) { return isParameter(index) ? names[index] : unknownText; }

const char* parameterLabel(std::int32_t index) {
  switch (index) {
    case paramInput:
    case paramResonance:
    case paramCutoff:
    case paramLevelTrack:
    case paramOutput:
      return percentLabel;
    case paramLfoFreq:
      return hertzLabel;
    default:
      return isParameter(index) ? noLabel : unknownText;
  }
}

void formatParameterValue(std::int32_t index, float value, char* text) {
  switch (index) {
    case paramInput:
    case paramResonance:
    case paramCutoff:
    case paramLevelTrack:
    case paramOutput:
      return formatPercent(value, text);
    case paramLfoFreq:
      return formatLfoRate(value, text);
    case paramLfoWave:
      return copy(waveTexts[threeWaySetting(value)], text);
    case paramLfoTrigger:
    case paramTrackDest:
      return copy(targetTexts[threeWaySetting(value)], text);
    case paramCutFreq:
      return copy(rangeTexts[threeWaySetting(value)], text);
    case paramSoftHard:
      return copy(twoWaySetting(value) ? "HARD" : "SOFT", text);
    case paramMode:
      return copy(twoWaySetting(value) ? "STEREO" : "MONO", text);
    default:
      return copy(unknownText, text);
  }
}
