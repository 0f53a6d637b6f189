#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <tuple>

#include "HostRecorder.h"
#include "ParameterTexts.h"
#include "SweepFilterEffect.h"
#include "ValueText.h"

namespace sweepfilter {

namespace {

std::string floatText(double value) {
  char buffer[32];
  std::memset(buffer, 'x', sizeof buffer);
  formatFloat8(value, buffer);
  return buffer;
}

TEST(FloatToText, DigitRules) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {0.5, "0.500000"},
      {44100.0, "44100.00"},
      {-2.25, "-2.25000"},
      {0.0, "0.000000"},
      {1.0, "1.000000"},
      {9.99, "9.990000"},
      {1234567.0, "1234567."},
      {-123456.5, "-123456."},
      {0.1, "0.100000"},
      {12.0625, "12.06250"},
      {99.5, "99.50000"},
      {-0.5, "-0.50000"},
      // Whole parts that cannot keep all their digits are too large to show.
      {12345678.0, " Huge!  "},
      {99999999.5, " Huge!  "},
      {100000000.0, " Huge!  "},
      {-1234567.0, " Huge!  "},
      {-10000000.0, " Huge!  "},
      {std::numeric_limits<double>::infinity(), " Huge!  "},
      {-std::numeric_limits<double>::infinity(), " Huge!  "},
      {std::numeric_limits<double>::quiet_NaN(), "0.000000"},
  };
  for (const Case& c : cases) EXPECT_EQ(floatText(c.value), c.text) << c.value;
  for (double v : {0.123456789, 7654321.9, -0.001, 3.14159}) EXPECT_LE(floatText(v).size(), 8u) << v;
}

TEST(IntegerToText, WidthAndLimits) {
  char buffer[32];
  const std::pair<std::int32_t, const char*> cases[] = {
      {42, "     42"},
      {-42, "    -42"},
      {99999999, "99999999"},
      {100000000, " Huge!  "},
      {-9999999, "-9999999"},
      {-10000000, " Huge!  "},
      {std::numeric_limits<std::int32_t>::min(), " Huge!  "},
  };
  for (const auto& [value, text] : cases) {
    formatInteger8(value, buffer);
    EXPECT_STREQ(buffer, text) << value;
  }
}

TEST(TruncateToInt32, DefinedForEveryInput) {
  EXPECT_EQ(truncateToInt32(69.99999), 69);
  EXPECT_EQ(truncateToInt32(-69.9), -69);
  EXPECT_EQ(truncateToInt32(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(truncateToInt32(1e300), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(truncateToInt32(-1e300), std::numeric_limits<std::int32_t>::min());
}

TEST(EffectTextHelpers, DecibelsHertzAndMilliseconds) {
  SweepFilterEffect effect(recordingHost);
  char buffer[32];
  effect.decibelsToText(1.0f, buffer);
  EXPECT_STREQ(buffer, "0.000000");
  effect.decibelsToText(0.0f, buffer);
  EXPECT_STREQ(buffer, "  -oo   ");
  effect.decibelsToText(-1.0f, buffer);
  EXPECT_STREQ(buffer, "  -oo   ");
  effect.decibelsToText(0.1f, buffer);
  EXPECT_STREQ(buffer, "-20.0000");
  effect.samplesToHzText(441.0f, buffer);
  EXPECT_STREQ(buffer, "100.0000");
  effect.samplesToHzText(0.0f, buffer);
  EXPECT_STREQ(buffer, "0.000000");
  effect.samplesToMsText(441.0f, buffer);
  EXPECT_STREQ(buffer, "10.00000");
  effect.integerToText(7, buffer);
  EXPECT_STREQ(buffer, "      7");
}

// A host in a decimal-comma locale sees the same texts, and they read back the same.
TEST(ParameterTexts, BothWaysWhateverTheLocale) {
  const auto texts = [] {
    char rate[maxParameterTextSize], withUnit[maxParameterTextSize];
    formatParameterValue(paramLfoRate, 0.2f, rate);
    formatPortValueText(paramLfoRate, 5.5f, withUnit);
    return std::make_tuple(std::string(rate), std::string(withUnit), portValueOfText(paramLfoRate, "5.5 Hz"));
  };
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "tools/install-deps.sh makes this locale";
  const bool comma = *std::localeconv()->decimal_point == ',';
  const auto inComma = texts();
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_TRUE(comma);
  EXPECT_EQ(inComma, std::make_tuple(std::string("   2.1"), std::string("5.5 Hz"), std::optional<double>(5.5)));
}

}  // namespace

}  // namespace sweepfilter
