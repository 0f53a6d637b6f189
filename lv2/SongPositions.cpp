#include "SongPositions.h"

#include <lv2/time/time.h>

#include <cmath>
#include <cstring>

namespace sweepfilter {

namespace {

// Copied out rather than cast: the host's bytes need not be aligned for it.
template <typename Value>
Value valueAt(const std::uint8_t* bytes) {
  Value value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

std::size_t bytesLeft(const std::uint8_t* from, const std::uint8_t* end) {
  return static_cast<std::size_t>(end - from);
}

// Past a header and its body, padded to 64 bits, but never past `end`.
const std::uint8_t* after(const std::uint8_t* body, std::uint32_t size, const std::uint8_t* end) {
  const std::uint64_t padded = (static_cast<std::uint64_t>(size) + 7u) & ~std::uint64_t{7};
  return padded >= bytesLeft(body, end) ? end : body + padded;
}

}  // namespace

std::optional<SongUrids> mapSongUrids(const LV2_Feature* const* features) {
  const LV2_URID_Map* map = nullptr;
  for (; features && *features; ++features)
    if ((*features)->URI && std::strcmp((*features)->URI, LV2_URID__map) == 0)
      map = static_cast<const LV2_URID_Map*>((*features)->data);
  if (!map || !map->map) return std::nullopt;
  const auto id = [map](const char* uri) { return map->map(map->handle, uri); };
  return SongUrids{id(LV2_ATOM__Sequence),       id(LV2_ATOM__Object),   id(LV2_ATOM__Blank),
                   id(LV2_ATOM__frameTime),      id(LV2_TIME__Position), id(LV2_TIME__speed),
                   id(LV2_TIME__beatsPerMinute), id(LV2_TIME__bar),      id(LV2_TIME__barBeat),
                   id(LV2_TIME__beatsPerBar),    id(LV2_TIME__beatUnit), id(LV2_ATOM__Float),
                   id(LV2_ATOM__Double),         id(LV2_ATOM__Int),      id(LV2_ATOM__Long)};
}

SongPositions::SongPositions(const SongUrids& urids, const LV2_Atom_Sequence* sequence) : urids(urids) {
  if (!sequence || sequence->atom.type != urids.sequence || sequence->atom.size < sizeof(LV2_Atom_Sequence_Body))
    return;
  const auto* body = reinterpret_cast<const std::uint8_t*>(&sequence->body);
  at = body + sizeof(LV2_Atom_Sequence_Body);
  end = body + sequence->atom.size;
  // Hosts leave the unit 0 for frames.
  inFrames = sequence->body.unit == 0 || sequence->body.unit == urids.frameTime;
}

bool SongPositions::next(std::int64_t& frame, TransportReport& report, SongMeter& meter) {
  while (at && bytesLeft(at, end) >= sizeof(LV2_Atom_Event)) {
    const auto event = valueAt<LV2_Atom_Event>(at);
    const std::uint8_t* body = at + sizeof(LV2_Atom_Event);
    if (event.body.size > bytesLeft(body, end)) break;
    at = after(body, event.body.size, end);
    if (read(event.body, body, report, meter)) {
      frame = inFrames ? event.time.frames : -1;
      return true;
    }
  }
  at = end;
  return false;
}

bool SongPositions::read(const LV2_Atom& atom, const std::uint8_t* body, TransportReport& report,
                         SongMeter& meter) const {
  if ((atom.type != urids.object && atom.type != urids.blank) || atom.size < sizeof(LV2_Atom_Object_Body)) return false;
  if (valueAt<LV2_Atom_Object_Body>(body).otype != urids.position) return false;
  const std::uint8_t* objectEnd = body + atom.size;
  double speed = TransportReport::absent, barBeat = TransportReport::absent;
  report = {};
  for (const std::uint8_t* cursor = body + sizeof(LV2_Atom_Object_Body); cursor != objectEnd;) {
    if (bytesLeft(cursor, objectEnd) < sizeof(LV2_Atom_Property_Body)) return false;
    const auto property = valueAt<LV2_Atom_Property_Body>(cursor);
    const std::uint8_t* value = cursor + sizeof(LV2_Atom_Property_Body);
    if (property.value.size > bytesLeft(value, objectEnd)) return false;
    cursor = after(value, property.value.size, objectEnd);
    const double field = number(property.value, value);
    if (property.key == urids.speed) speed = field;
    if (property.key == urids.beatsPerMinute) report.tempo = field;
    if (property.key == urids.bar) report.bar = field;
    if (property.key == urids.barBeat) barBeat = field;
    if (property.key == urids.beatsPerBar) report.beatsPerBar = field;
    if (property.key == urids.beatUnit) report.beatUnit = field;
  }
  report.playing = std::isfinite(speed) && speed != 0.0;
  if (!std::isnan(report.beatsPerBar)) meter.beatsPerBar = report.beatsPerBar;
  if (!std::isnan(report.beatUnit)) meter.beatUnit = report.beatUnit;
  // A meter of no use leaves the position absent: a count by zero or by a
  // negative number of beats is no place in the song.
  if (meterUsable(meter.beatsPerBar, meter.beatUnit)) {
    report.quarterNotes = (report.bar * meter.beatsPerBar + barBeat) * 4.0 / meter.beatUnit;
    report.barFraction = barBeat / meter.beatsPerBar;
  }
  return true;
}

double SongPositions::number(const LV2_Atom& atom, const std::uint8_t* body) const {
  if (atom.type == urids.floatNumber && atom.size >= sizeof(float)) return valueAt<float>(body);
  if (atom.type == urids.doubleNumber && atom.size >= sizeof(double)) return valueAt<double>(body);
  if (atom.type == urids.intNumber && atom.size >= sizeof(std::int32_t))
    return static_cast<double>(valueAt<std::int32_t>(body));
  if (atom.type == urids.longNumber && atom.size >= sizeof(std::int64_t))
    return static_cast<double>(valueAt<std::int64_t>(body));
  return TransportReport::absent;
}

}  // namespace sweepfilter
