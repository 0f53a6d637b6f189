#include "GoldenCases.h"

#include "Parameters.h"

namespace sweepfilter {

namespace {
// Switch settings as the factory programs store them.
constexpr float off = 0.0f, cut = 0.66f, res = 1.0f;
constexpr float square = 0.0f, saw = 0.66f, sine = 1.0f;
constexpr float hard = 1.0f;
constexpr OutputRule replace = OutputRule::replace, accumulate = OutputRule::accumulate;

std::vector<GoldenCase> makeCases() {
  std::vector<GoldenCase> cases;
  // Every factory program on a rhythmic chord and on noise.
  for (std::int32_t p = 0; p < numPrograms; ++p) {
    const std::string program = "program" + std::to_string(p);
    cases.push_back({program + "-saw-chord", Signal::sawChord, p});
    cases.push_back({program + "-noise", Signal::noise, p});
  }
  const std::vector<GoldenCase> others = {
      {"program4-silence", Signal::silence, 4},
      {"program0-impulses", Signal::impulses, 0},
      {"program3-hard-bursts", Signal::noiseBursts, 3, {{paramSoftHard, hard}}},
      // The oscillator on each destination with each wave.
      {"cut-square", Signal::sawChord, 0, {{paramLfoWave, square}, {paramLfoRate, 0.6f}}},
      {"cut-saw", Signal::sawChord, 0, {{paramLfoWave, saw}, {paramLfoRate, 0.8f}}},
      {"res-square", Signal::noise, 0, {{paramLfoTrigger, res}, {paramLfoWave, square}, {paramLfoRate, 0.6f}}},
      {"res-saw-hard-fastest",
       Signal::noise,
       0,
       {{paramLfoTrigger, res}, {paramLfoWave, saw}, {paramLfoRate, 1.0f}, {paramSoftHard, hard}}},
      {"res-sine-stereo", Signal::sawChord, 0, {{paramLfoTrigger, res}, {paramMode, 1.0f}, {paramLfoRate, 0.7f}}},
      {"cut-sine-stereo", Signal::noise, 0, {{paramMode, 1.0f}, {paramLfoRate, 0.7f}}},
      // The level tracker on each destination, alone and with the oscillator.
      {"track-res", Signal::noiseBursts, 2, {{paramTrackDest, res}, {paramLevelTrack, 1.0f}}},
      {"track-res-lfo-res-hard",
       Signal::noiseBursts,
       4,
       {{paramTrackDest, res}, {paramLfoTrigger, res}, {paramSoftHard, hard}}},
      {"track-cut-lfo-off", Signal::sawChord, 2, {{paramLfoTrigger, off}, {paramLevelTrack, 0.7f}}},
      // Ranges, thresholds on both sides, values outside 0..1, gains.
      {"range-high", Signal::noise, 0, {{paramCutRange, 1.0f}, {paramCutoff, 1.0f}}},
      {"range-mid", Signal::noise, 0, {{paramCutRange, 0.5f}, {paramCutoff, 0.9f}}},
      {"thresholds",
       Signal::sawChord,
       4,
       {{paramLfoTrigger, 0.331f}, {paramLfoWave, 0.33f}, {paramTrackDest, 0.661f}, {paramMode, 0.5f}}},
      {"values-outside-0-1", Signal::noise, 4, {{paramCutoff, 1.5f}, {paramResonance, -0.5f}, {paramLfoRate, 1.2f}}},
      {"quiet-input-dry-mix", Signal::sawChord, 1, {{paramInput, 0.01f}, {paramOutput, 0.3f}}},
      {"extreme-everything",
       Signal::noise,
       3,
       {{paramResonance, 1.0f},
        {paramLevelTrack, 1.0f},
        {paramTrackDest, res},
        {paramLfoTrigger, res},
        {paramLfoRate, 1.0f},
        {paramSoftHard, hard},
        {paramCutRange, 1.0f}}},
      // Other sample rates.
      {"program1-48k", Signal::sawChord, 1, {}, 48000.0f},
      {"program4-96k", Signal::noise, 4, {}, 96000.0f},
      {"program0-192k", Signal::sawChord, 0, {{paramLfoRate, 1.0f}}, 192000.0f},
      {"program4-22050", Signal::noiseBursts, 4, {}, 22050.0f},
      {"program1-11025", Signal::sawChord, 1, {}, 11025.0f},
      {"range-high-8000",
       Signal::noise,
       0,
       {{paramCutRange, 1.0f}, {paramCutoff, 1.0f}, {paramResonance, 1.0f}},
       8000.0f},
      {"program4-odd-rate", Signal::sawChord, 4, {}, 12345.678f},
      // Block patterns: single frames, one window, odd sizes, empty blocks, long blocks.
      {"program4-blocks-of-1", Signal::sawChord, 4, {}, 44100.0f, {1}},
      {"program4-blocks-of-64", Signal::noise, 4, {}, 44100.0f, {64}},
      {"program0-odd-blocks", Signal::noise, 0, {}, 44100.0f, {37, 511, 1, 4096, 0, 1000}},
      {"program2-blocks-of-4096", Signal::noiseBursts, 2, {}, 44100.0f, {4096}},
      {"hard-blocks-of-100", Signal::noise, 3, {{paramSoftHard, hard}}, 44100.0f, {100}},
      // The accumulating entry (into silent outputs, as plughost uses it).
      {"program4-accumulate", Signal::sawChord, 4, {}, 44100.0f, {512}, accumulate},
      {"program2-hard-accumulate-mono-blocks-of-100",
       Signal::monoSawChord,
       2,
       {{paramSoftHard, hard}},
       44100.0f,
       {100},
       accumulate},
      // A host automating the plug-in between blocks.
      {"cutoff-automation", Signal::noise, 0, {}, 44100.0f, {512}, replace, Automation::cutoffSteps},
      {"mode-automation", Signal::sawChord, 4, {}, 44100.0f, {256}, replace, Automation::modeChanges},
      {"program-automation", Signal::noiseBursts, 0, {}, 44100.0f, {512}, replace, Automation::programChanges},
      {"rate-change", Signal::sawChord, 1, {}, 44100.0f, {512}, replace, Automation::rateChange},
  };
  cases.insert(cases.end(), others.begin(), others.end());
  return cases;
}

const std::vector<NamedHash> hashes = {
#include "ExpectedHashes.inc"
};
const std::vector<NamedHash> continuousHashes = {
#include "ExpectedContinuousHashes.inc"
};

std::optional<std::uint64_t> hashIn(const std::vector<NamedHash>& table, const std::string& name) {
  for (const NamedHash& h : table)
    if (h.name == name) return h.hash;
  return std::nullopt;
}
}  // namespace

const std::vector<GoldenCase>& goldenCases() {
  static const std::vector<GoldenCase> cases = makeCases();
  return cases;
}

const GoldenCase* findGoldenCase(const std::string& name) {
  for (const GoldenCase& c : goldenCases())
    if (c.name == name) return &c;
  return nullptr;
}

const std::vector<NamedHash>& expectedHashes() { return hashes; }

bool blocksAreWholeWindows(const GoldenCase& c) {
  for (std::int32_t frames : c.blocks)
    if (frames % 512 != 0) return false;
  return c.frames % 512 == 0;
}

std::optional<std::uint64_t> expectedHash(const std::string& name, WindowPolicy policy) {
  const GoldenCase* c = findGoldenCase(name);
  if (policy == WindowPolicy::continuous && c && !blocksAreWholeWindows(*c)) return hashIn(continuousHashes, name);
  return hashIn(hashes, name);
}

}  // namespace sweepfilter
