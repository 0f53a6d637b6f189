#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "GoldenCases.h"

namespace sweepfilter {

// Test names already say which case failed.
inline void PrintTo(const GoldenCase& c, std::ostream* out) { *out << c.name; }

// A case's name as a test name: letters and digits, the rest '_'.
inline std::string goldenTestName(const ::testing::TestParamInfo<GoldenCase>& info) {
  std::string name = info.param.name;
  for (char& ch : name)
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  return name;
}

}  // namespace sweepfilter
