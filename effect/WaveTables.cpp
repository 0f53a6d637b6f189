#include "WaveTables.h"

#include <cmath>
#include <numbers>

namespace sweepfilter {

namespace {

// The tables hold values rounded to five decimals, then to single precision.
float roundedToFiveDecimals(double value) { return static_cast<float>(std::round(value * 1e5) / 1e5); }

WaveTables buildTables() {
  WaveTables tables;
  for (std::int32_t k = 0; k <= waveCycleEntries; ++k) {
    tables.rampTable[k] = roundedToFiveDecimals(2.0 - k / 1800.0);
    tables.sineTable[k] = roundedToFiveDecimals(1.0 + std::sin(k * std::numbers::pi / 1800.0));
  }
  for (std::int32_t k = waveCycleEntries + 1; k < waveTableSize; ++k) {
    tables.rampTable[k] = tables.rampTable[waveCycleEntries];
    tables.sineTable[k] = tables.sineTable[waveCycleEntries];
  }
  return tables;
}

}  // namespace

const WaveTables& waveTables() {
  static const WaveTables tables = buildTables();
  return tables;
}

}  // namespace sweepfilter
