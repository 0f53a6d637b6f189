#include "ResonantFilter.h"

#include <numbers>

namespace sweepfilter {

namespace {

constexpr float lowestCutoffHz = 250.0f;
constexpr float highestCutoffHz = 6000.0f;
constexpr float lowestResAmount = 0.05f;
constexpr float highestResAmount = 1.0f;

// Each stage is stable while f^2 + 2fq < 4, so for the largest damping
// (q = 1/2.4) f must stay below 1.626. At 0.28 fs, f = 2 sin(0.28 pi) = 1.541.
// Since 6000 Hz is below 0.28 fs for every rate from 21429 Hz up, the limit
// never binds at 22050 Hz and above.
constexpr float stableCutoffRatio = 0.28f;

}  // namespace

ControlUpdate controlUpdate(const ControlSettings& settings, float trackLevel, float lfoCutValue, float lfoResValue) {
  const bool trackOnCut = settings.trackDest == targetCut;
  const bool lfoOnCut = settings.lfoTrigger == targetCut;
  const bool trackOnRes = settings.trackDest == targetRes;
  const bool lfoOnRes = settings.lfoTrigger == targetRes;

  // With both sources on one destination the sum, base value included, is halved.
  float cutFactor = settings.cutoff;
  if (trackOnCut) cutFactor += trackLevel;
  if (lfoOnCut) cutFactor += lfoCutValue;
  if (trackOnCut && lfoOnCut) cutFactor /= 2.0f;

  float resAmount = settings.resonance;
  if (trackOnRes) resAmount += trackLevel;
  if (lfoOnRes) resAmount += lfoResValue;
  if (trackOnRes && lfoOnRes) resAmount /= 2.0f;
  if (resAmount < lowestResAmount) resAmount = lowestResAmount;
  if (resAmount > highestResAmount) resAmount = highestResAmount;
  const float damping = 1.0f / (resAmount * 8.0f + 2.0f);

  float cutoffHz = settings.rangeFreq * cutFactor;
  if (cutoffHz < lowestCutoffHz) cutoffHz = lowestCutoffHz;
  if (cutoffHz > highestCutoffHz) cutoffHz = highestCutoffHz;
  if (cutoffHz > settings.cutoffCeiling) cutoffHz = settings.cutoffCeiling;

  return {cutFactor, resAmount, cutoffHz, frequencyCoefficient(cutoffHz, settings.sampleRate), damping};
}

float frequencyCoefficient(float cutoffHz, float sampleRate) {
  const double angle = static_cast<double>(std::numbers::pi_v<float>) * cutoffHz / sampleRate;
  return 2.0f * static_cast<float>(std::sin(angle));
}

float rangeFrequency(CutRange range) { return range == rangeHigh ? 4000.0f : 3000.0f; }

float cutoffCeiling(float sampleRate) { return stableCutoffRatio * sampleRate; }

}  // namespace sweepfilter
