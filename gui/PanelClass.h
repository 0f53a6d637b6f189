#pragma once

namespace sweepfilter {

// The window class of all panel frames, registered by the first frame and
// given up with the last. Used only on the user-interface thread.
extern const char panelClassName[];

bool registerPanelClass();
void unregisterPanelClass();

}  // namespace sweepfilter
