#pragma once

#include <lv2/atom/atom.h>
#include <lv2/core/lv2.h>
#include <lv2/urid/urid.h>

#include <cstddef>
#include <cstdint>
#include <optional>

#include "LfoSync.h"

namespace sweepfilter {

// What a host's time:Position objects are made of, mapped once through the
// host's urid:map. A host without that feature sends no positions we can read.
struct SongUrids {
  LV2_URID sequence, object, blank, frameTime, position;
  LV2_URID speed, beatsPerMinute, bar, barBeat, beatsPerBar, beatUnit;
  LV2_URID floatNumber, doubleNumber, intNumber, longNumber;
};
std::optional<SongUrids> mapSongUrids(const LV2_Feature* const* features);

// The meter the positions' formulas use: the last one the host sent, field
// by field, since a host may send an object without it.
struct SongMeter {
  double beatsPerBar = 4.0;
  double beatUnit = 4.0;
};

// The time:Position objects of one block's atom sequence, in the host's
// order. The host's bytes are trusted for nothing: every size is checked
// against what holds it before anything behind it is read, and an atom that
// does not fit is skipped (an event that does not fit ends the walk, since
// nothing after it can be found).
class SongPositions {
 public:
  SongPositions(const SongUrids& urids, const LV2_Atom_Sequence* sequence);

  // The next position: its frame (-1 when the host stamps its events in
  // another unit) and its report, each field NaN when absent or no number.
  bool next(std::int64_t& frame, TransportReport& report, SongMeter& meter);

 private:
  bool read(const LV2_Atom& atom, const std::uint8_t* body, TransportReport& report, SongMeter& meter) const;
  double number(const LV2_Atom& atom, const std::uint8_t* body) const;

  const SongUrids& urids;
  const std::uint8_t* at = nullptr;
  const std::uint8_t* end = nullptr;
  bool inFrames = false;
};

}  // namespace sweepfilter
