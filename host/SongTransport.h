#pragma once

#include <cstdint>

#include "ClapAbi.h"

namespace sweepfilter {

// A song playing at a steady tempo and meter from a position, as plughost
// tells a CLAP plug-in about it: the transport at any frame of the stream.
struct SongTransport {
  double tempo = 120.0;  // quarter notes per minute
  std::uint16_t beatsPerBar = 4;
  std::uint16_t beatUnit = 4;
  double startQuarterNotes = 0.0;  // the song position at frame 0
  double sampleRate = 44100.0;

  double quarterNotesAt(std::int64_t frame) const;
  clap_event_transport at(std::int64_t frame) const;
};

}  // namespace sweepfilter
