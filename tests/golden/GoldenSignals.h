#pragma once

#include <cstddef>
#include <vector>

namespace sweepfilter {

// Test signals made from integers only, so every build produces the same
// bits. Every sample is a 16-bit code / 32768: 16-, 24- and 32-bit WAV files
// and floats all carry them exactly.
enum class Signal {
  silence,
  noise,         // full-scale white noise, independent channels
  sawChord,      // a three-saw chord in decaying eighth notes, voiced differently left and right
  monoSawChord,  // the same chord, identical in both channels
  impulses,      // alternating full-scale clicks, the right channel half a period later
  noiseBursts,   // short decaying noise bursts with long gaps
};

struct StereoSignal {
  std::vector<float> left;
  std::vector<float> right;
};

StereoSignal generateSignal(Signal signal, std::size_t frames);

// True when both channels are always equal (a mono file carries it whole).
constexpr bool isMono(Signal signal) { return signal == Signal::silence || signal == Signal::monoSawChord; }

}  // namespace sweepfilter
