#include "LfoSync.h"

#include <charconv>

namespace sweepfilter {

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const char x = a[i] >= 'a' && a[i] <= 'z' ? static_cast<char>(a[i] - 32) : a[i];
    if (x != b[i]) return false;
  }
  return true;
}

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A cycle's length in quarter notes at the song's meter (a bar is
// beatsPerBar × 4 / beatUnit quarter notes).
double cycleQuarterNotes(const LfoSyncChoice& choice, const SongState& song) {
  if (choice.bars == 0) return choice.quarterNotes;
  return choice.bars * song.beatsPerBar * 4.0 / song.beatUnit;
}

}  // namespace

const char* lfoSyncText(std::int32_t setting) {
  return setting >= 0 && setting < lfoSyncSettingCount ? lfoSyncChoices[setting].text : "???";
}

std::optional<std::int32_t> lfoSyncOfText(std::string_view text) {
  const std::string_view shown = trimmed(text);
  for (std::int32_t setting = 0; setting < lfoSyncSettingCount; ++setting)
    if (sameIgnoringCase(shown, lfoSyncChoices[setting].text)) return setting;
  std::int32_t number = -1;
  const auto [end, error] = std::from_chars(shown.data(), shown.data() + shown.size(), number);
  if (error == std::errc{} && end == shown.data() + shown.size() && number >= 0 && number < lfoSyncSettingCount)
    return number;
  return std::nullopt;
}

bool tempoUsable(double tempo) { return tempo > 0.0 && tempo <= 1000.0; }

// Hosts' meters run from 1/1 to a few dozen beats; a part outside 1 to 1024
// (or zero, or no number) would make a cycle's length absurd.
bool meterUsable(double beatsPerBar, double beatUnit) {
  return beatsPerBar >= 1.0 && beatsPerBar <= 1024.0 && beatUnit >= 1.0 && beatUnit <= 1024.0;
}

bool quarterNotesUsable(double quarterNotes) { return std::fabs(quarterNotes) < 4294967296.0; }

bool barUsable(double bar, double barFraction) {
  return bar >= -2147483648.0 && bar <= 2147483647.0 && barFraction >= 0.0 && barFraction <= 1.0;
}

void followReport(SongState& song, const TransportReport& report) {
  if (tempoUsable(report.tempo)) song.tempo = report.tempo;
  if (meterUsable(report.beatsPerBar, report.beatUnit)) {
    song.beatsPerBar = report.beatsPerBar;
    song.beatUnit = report.beatUnit;
  }
}

bool reportLocks(std::int32_t setting, const TransportReport& report) {
  if (setting <= lfoSyncFree || setting >= lfoSyncSettingCount) return false;
  if (!report.playing || !tempoUsable(report.tempo)) return false;
  return lfoSyncChoices[setting].bars == 0 ? quarterNotesUsable(report.quarterNotes)
                                           : barUsable(report.bar, report.barFraction);
}

float lockedPhase(std::int32_t setting, const TransportReport& report) {
  const LfoSyncChoice& choice = lfoSyncChoices[setting];
  const double x =
      choice.bars == 0 ? report.quarterNotes / choice.quarterNotes : (report.bar + report.barFraction) / choice.bars;
  const double fraction = x - std::floor(x);
  return static_cast<float>(360.0 * fraction);
}

float syncedPhaseIncrement(std::int32_t setting, const SongState& song, float sampleRate) {
  const double length = cycleQuarterNotes(lfoSyncChoices[setting], song);
  return static_cast<float>(360.0 * song.tempo / 60.0 / length / static_cast<double>(sampleRate));
}

}  // namespace sweepfilter
