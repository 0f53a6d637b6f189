#pragma once

#include <cstdint>

// How often the program's main thread has called Sleep (counted from before main runs).
std::int64_t mainThreadSleeps();
