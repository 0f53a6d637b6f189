#pragma once

namespace sweepfilter {

// Turns a crash anywhere in the process (an access violation in the plug-in,
// a touch of a guard page) into a FAIL line for the check in progress and a
// failing exit code, instead of a debugger or a dialog.
void reportCrashesAsFailures();

}  // namespace sweepfilter
