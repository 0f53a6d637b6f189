#pragma once

#include <cstdint>

namespace sweepfilter {

// How often the program's main thread has called Sleep (counted from before main runs).
std::int64_t mainThreadSleeps();

}  // namespace sweepfilter
