#pragma once

#include "Parameters.h"

struct FactoryProgram {
  const char* name;
  float values[numParameters];  // in parameter index order
};

extern const FactoryProgram factoryPrograms[numPrograms];
