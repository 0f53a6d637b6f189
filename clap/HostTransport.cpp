#include "HostTransport.h"

#include <limits>

namespace sweepfilter {

namespace {
// Hosts put the extremes of the type where they have no position.
bool isPosition(std::int64_t beats) {
  return beats != std::numeric_limits<std::int64_t>::min() && beats != std::numeric_limits<std::int64_t>::max();
}
}  // namespace

TransportReport reportOfTransport(const clap_event_transport& transport) {
  TransportReport report;
  const std::uint32_t flags = transport.flags;
  report.playing = (flags & CLAP_TRANSPORT_IS_PLAYING) != 0;
  if (flags & CLAP_TRANSPORT_HAS_TEMPO) report.tempo = transport.tempo;
  const bool meter =
      (flags & CLAP_TRANSPORT_HAS_TIME_SIGNATURE) && transport.tsig_num != 0 && transport.tsig_denom != 0;
  if (meter) {
    report.beatsPerBar = transport.tsig_num;
    report.beatUnit = transport.tsig_denom;
  }
  report.bar = transport.bar_number;
  if (!(flags & CLAP_TRANSPORT_HAS_BEATS_TIMELINE) || !isPosition(transport.song_pos_beats)) return report;
  report.quarterNotes = static_cast<double>(transport.song_pos_beats) / CLAP_BEATTIME_FACTOR;
  std::int64_t intoBar = 0;
  if (meter && isPosition(transport.bar_start) &&
      !__builtin_sub_overflow(transport.song_pos_beats, transport.bar_start, &intoBar))
    report.barFraction =
        static_cast<double>(intoBar) / CLAP_BEATTIME_FACTOR / (report.beatsPerBar * 4.0 / report.beatUnit);
  return report;
}

}  // namespace sweepfilter
