#include "TextDisplay.h"

#include <cstdio>

namespace sweepfilter {

TextDisplay::TextDisplay(const Rect& rect) : Control(rect, nullptr, 0) {}

void TextDisplay::draw(DrawContext& context) {
  char text[textSize] = {};
  if (valueToText)
    valueToText(value, text);
  else
    std::snprintf(text, sizeof text, "%2.2f", static_cast<double>(value));

  context.setFillColour(backgroundColour);
  context.fillRect(rect);
  context.setTextColour(textColour);
  context.setFont(font);
  context.drawString(text, rect, false);
  oldValue = value;
}

}  // namespace sweepfilter
