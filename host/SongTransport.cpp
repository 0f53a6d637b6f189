#include "SongTransport.h"

#include <cmath>

namespace sweepfilter {

double SongTransport::quarterNotesAt(std::int64_t frame) const {
  // From frame 0 each time, so that no error gathers over a long file.
  return startQuarterNotes + static_cast<double>(frame) * tempo / 60.0 / sampleRate;
}

clap_event_transport SongTransport::at(std::int64_t frame) const {
  clap_event_transport transport{};
  transport.header = {sizeof transport, 0, CLAP_CORE_EVENT_SPACE_ID, CLAP_EVENT_TRANSPORT, 0};
  transport.flags = CLAP_TRANSPORT_HAS_TEMPO | CLAP_TRANSPORT_HAS_BEATS_TIMELINE | CLAP_TRANSPORT_HAS_TIME_SIGNATURE |
                    CLAP_TRANSPORT_IS_PLAYING;
  transport.tempo = tempo;
  const double position = quarterNotesAt(frame);
  const double barLength = beatsPerBar * 4.0 / beatUnit;
  const double bar = std::floor(position / barLength);
  transport.song_pos_beats = std::llround(position * CLAP_BEATTIME_FACTOR);
  transport.bar_start = std::llround(bar * barLength * CLAP_BEATTIME_FACTOR);
  transport.bar_number = static_cast<std::int32_t>(bar);
  transport.tsig_num = beatsPerBar;
  transport.tsig_denom = beatUnit;
  return transport;
}

}  // namespace sweepfilter
