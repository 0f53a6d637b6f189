#pragma once

namespace sweepfilter {

// "LFO freq." spans 0.1 to 10 Hz. Apart from the oscillator so that the
// parameter table, which shows and offers the rate, can read it.
inline constexpr float lowestLfoRateHz = 0.1f;
inline constexpr float lfoRateSpanHz = 9.9f;
inline constexpr float highestLfoRateHz = lowestLfoRateHz + lfoRateSpanHz;

// "LFO freq." in Hz: 0.1 at 0, 10 at 1. What the oscillator runs at and what its text shows.
constexpr float lfoRateHz(float value) { return value * lfoRateSpanHz + lowestLfoRateHz; }
// The value that runs the LFO at `hertz`: lfoRateHz the other way.
constexpr float lfoRateValue(float hertz) { return (hertz - lowestLfoRateHz) / lfoRateSpanHz; }

}  // namespace sweepfilter
