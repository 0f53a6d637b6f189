#include "ClapInstance.h"

namespace sweepfilter {

// The 64-bit Windows file has no panel yet: hosts show their own controls.
const void* panelExtension(const char*) { return nullptr; }

}  // namespace sweepfilter
