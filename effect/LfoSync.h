#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace sweepfilter {

// "LFO sync": the doors' thirteenth parameter (LV2 port `lfo_sync`, CLAP id 12),
// after the DLL's twelve. FREE runs the oscillator at "LFO freq."; every other
// setting locks its cycle to the host's song. Ids and setting numbers never
// change once shipped.
inline constexpr std::int32_t lfoSyncId = 12;
inline constexpr std::int32_t lfoSyncFree = 0;
inline constexpr std::int32_t lfoSyncSettingCount = 18;
inline constexpr const char* lfoSyncName = "LFO sync";
inline constexpr const char* lfoSyncSymbol = "lfo_sync";

// One cycle's length: quarter notes for a note setting, bars for a bar setting.
struct LfoSyncChoice {
  const char* text;
  double quarterNotes;  // 0 for FREE and the bar settings
  std::int32_t bars;    // 0 for FREE and the note settings
};

inline constexpr LfoSyncChoice lfoSyncChoices[lfoSyncSettingCount] = {
    {"FREE", 0.0, 0},       {"1/32", 0.125, 0},     {"1/16T", 1.0 / 6.0, 0}, {"1/16", 0.25, 0},
    {"1/16D", 0.375, 0},    {"1/8T", 1.0 / 3.0, 0}, {"1/8", 0.5, 0},         {"1/8D", 0.75, 0},
    {"1/4T", 2.0 / 3.0, 0}, {"1/4", 1.0, 0},        {"1/4D", 1.5, 0},        {"1/2T", 4.0 / 3.0, 0},
    {"1/2", 2.0, 0},        {"1/2D", 3.0, 0},       {"1 BAR", 0.0, 1},       {"2 BARS", 0.0, 2},
    {"4 BARS", 0.0, 4},     {"8 BARS", 0.0, 8},
};

// The setting a host's value (the setting's number) selects: the nearest one,
// FREE for anything that is no number.
constexpr std::int32_t lfoSyncSettingOf(double value) {
  if (!(value >= 0.0)) return lfoSyncFree;  // NaN and below
  if (value >= lfoSyncSettingCount - 1) return lfoSyncSettingCount - 1;
  return static_cast<std::int32_t>(value + 0.5);
}

// Both ways between a setting and its text; the text in any case and without
// surrounding spaces, or the setting's number.
const char* lfoSyncText(std::int32_t setting);
std::optional<std::int32_t> lfoSyncOfText(std::string_view text);

// What a door knows of the host's song at one point of the stream. A field the
// host did not send is NaN; whether a field is usable is decided here, never
// by arithmetic on a sentinel.
struct TransportReport {
  static constexpr double absent = std::numeric_limits<double>::quiet_NaN();
  bool playing = false;
  double tempo = absent;         // quarter notes per minute
  double quarterNotes = absent;  // the song position
  double bar = absent;           // the current bar's number
  double barFraction = absent;   // how far into that bar, 0 to 1
  double beatsPerBar = absent;   // the meter: beatsPerBar / beatUnit
  double beatUnit = absent;
};

// What the oscillator remembers of the song between reports.
struct SongState {
  double tempo = 120.0;  // the last usable tempo
  double beatsPerBar = 4.0;
  double beatUnit = 4.0;
};

// What a door hands the signal path with a piece of the stream: the setting,
// and the host's report at the piece's first frame, if there is one.
struct LfoSyncInput {
  std::int32_t setting = lfoSyncFree;
  const TransportReport* report = nullptr;
};

bool tempoUsable(double tempo);
bool meterUsable(double beatsPerBar, double beatUnit);
bool quarterNotesUsable(double quarterNotes);
bool barUsable(double bar, double barFraction);

// Takes the report's usable tempo and meter into `song`.
void followReport(SongState& song, const TransportReport& report);

// Whether the report locks `setting` (never FREE): playing, with a usable
// tempo and a usable position of the kind the setting reads.
bool reportLocks(std::int32_t setting, const TransportReport& report);

// The left oscillator's phase, in degrees, at a locking report.
float lockedPhase(std::int32_t setting, const TransportReport& report);

// Degrees per sample for a synced setting at the song's tempo and meter.
float syncedPhaseIncrement(std::int32_t setting, const SongState& song, float sampleRate);

}  // namespace sweepfilter
