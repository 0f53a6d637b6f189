#include "DigitDisplay.h"

#include <algorithm>

namespace {

constexpr int32_t lowest = 50000;
constexpr int32_t highest = 250000;
// The leading place: a seventh digit would have none (and divide by zero).
constexpr int32_t firstPlace = 100000;
constexpr int32_t maxDigits = 6;

}  // namespace

DigitDisplay::DigitDisplay(const Rect& rect, ControlListener* listener, int32_t tag, int32_t number,
                           int32_t digitCount, const int32_t* xPositions, const int32_t* yPositions,
                           int32_t digitWidth, int32_t digitHeight, PanelBitmap* digitsBitmap)
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
  int32_t place = firstPlace;
  int32_t rest = number;
  for (int32_t i = 0; i < digitCount; ++i) {
    const int32_t digit = rest / place;
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
