#pragma once

namespace sweepfilter {

// What a block does with the output buffers: the replacing entry stores the
// effect's output in them, the accumulating one adds its wet part to what they hold.
enum class OutputRule { replace, accumulate };

inline const char* outputRuleName(OutputRule rule) { return rule == OutputRule::replace ? "replace" : "accumulate"; }

}  // namespace sweepfilter
