#pragma once

#include "ClapAbi.h"
#include "LfoSync.h"

namespace sweepfilter {

// The host's transport as the signal path reads it. A field the flags do not
// vouch for, or a sentinel in place of a position, is absent (NaN); whether
// the others are usable is the signal path's call.
TransportReport reportOfTransport(const clap_event_transport& transport);

}  // namespace sweepfilter
