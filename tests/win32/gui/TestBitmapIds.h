// Shared by the resource script and the tests.
#pragma once

namespace sweepfilter {

#define TEST_BACKGROUND 100
#define TEST_KNOB_STRIP 101
#define TEST_HANDLE 102
#define TEST_SWITCH_STRIP 103
#define TEST_SELECTOR_STRIP 104
#define TEST_DIGITS 105

}  // namespace sweepfilter
