#pragma once

#include "Parameters.h"

namespace sweepfilter {

struct FactoryProgram {
  const char* name;
  float values[numParameters];  // in parameter index order
};

extern const FactoryProgram factoryPrograms[numPrograms];

}  // namespace sweepfilter
