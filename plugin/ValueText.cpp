#include "ValueText.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace sweepfilter {

namespace {
constexpr char hugeText[] = " Huge!  ";
constexpr int textWidth = 8;

// Writes the decimal digits of a non-negative whole number, most significant
// first, into exactly `count` characters (leading zeros where the number is short).
void writeDigits(double number, int count, char* out) {
  for (int i = count - 1; i >= 0; --i) {
    const int digit = number > 0.0 ? static_cast<int>(std::fmod(number, 10.0)) : 0;
    out[i] = static_cast<char>('0' + digit);
    number = std::floor(number / 10.0);
  }
}

int integerDigitCount(double wholeNumber) {
  int count = 1;
  while (wholeNumber >= 10.0) {
    wholeNumber = std::floor(wholeNumber / 10.0);
    ++count;
  }
  return count;
}
}  // namespace

std::int32_t truncateToInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

void formatFloat8(double value, char* text) {
  if (std::isnan(value)) value = 0.0;
  const bool negative = value < 0.0;
  if (negative) value = -value;
  const double whole = std::floor(value);
  const int used = (negative ? 1 : 0) + 1;  // the sign and the decimal point
  // A whole part that leaves no room for its own digits would lose its most
  // significant ones; show it as too large instead (infinities included).
  if (!(whole <= 99999999.0) || integerDigitCount(whole) + used > textWidth) {
    std::memcpy(text, hugeText, sizeof hugeText);
    return;
  }
  const int wholeDigits = integerDigitCount(whole);
  char* out = text;
  if (negative) *out++ = '-';
  writeDigits(whole, wholeDigits, out);
  out += wholeDigits;
  *out++ = '.';
  const int fractionDigits = textWidth - used - wholeDigits;
  const double fraction = std::fmod(value, 1.0) * std::pow(10.0, fractionDigits);
  writeDigits(std::floor(fraction), fractionDigits, out);
  out[fractionDigits] = '\0';
}

void formatInteger8(std::int32_t value, char* text) {
  if (value >= 100000000 || value < -9999999) {
    std::memcpy(text, hugeText, sizeof hugeText);
    return;
  }
  char wide[16];
  std::snprintf(wide, sizeof wide, "%7d", value);
  std::memcpy(text, wide, textWidth);
  text[textWidth] = '\0';
}

}  // namespace sweepfilter
