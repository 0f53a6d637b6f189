#include "DigitDisplay.h"

#include <algorithm>

namespace sweepfilter {

namespace {

constexpr std::int32_t lowest = 50000;
constexpr std::int32_t highest = 250000;
// The leading place: a seventh digit would have none (and divide by zero).
constexpr std::int32_t firstPlace = 100000;
constexpr std::int32_t maxDigits = 6;

}  // namespace

DigitDisplay::DigitDisplay(const Rect& rect, ControlListener* listener, std::int32_t tag, std::int32_t number,
                           std::int32_t digitCount, const std::int32_t* xPositions, const std::int32_t* yPositions,
                           std::int32_t digitWidth, std::int32_t digitHeight, PanelBitmap* digitsBitmap)
    : Control(rect, listener, tag),
      digitsBitmap(digitsBitmap),
      number(number),
      digitCount(std::clamp(digitCount, 0, maxDigits)),
      digitWidth(digitWidth),
      digitHeight(digitHeight) {
  std::copy_n(xPositions, this->digitCount, digitX);
  std::copy_n(yPositions, this->digitCount, digitY);
}

void DigitDisplay::draw(DrawContext& context) {
  number = std::clamp(number, lowest, highest);
  std::int32_t place = firstPlace;
  std::int32_t rest = number;
  for (std::int32_t i = 0; i < digitCount; ++i) {
    const std::int32_t digit = rest / place;
    rest -= digit * place;
    place /= 10;
    digitsBitmap->draw(context, Rect(digitX[i], digitY[i], digitX[i] + digitWidth, digitY[i] + digitHeight),
                       Point(digit * digitWidth, 0));
  }
  oldValue = value;
}

float DigitDisplay::getNumberAsValue() const {
  const float asValue = static_cast<float>(number - lowest) / static_cast<float>(highest - lowest);
  return std::clamp(asValue, 0.0f, 1.0f);
}

}  // namespace sweepfilter
