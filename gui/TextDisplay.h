#pragma once

#include "Colour.h"
#include "Control.h"
#include "FontKind.h"

namespace sweepfilter {

// Writes at most 99 characters and a terminating zero into a 100-character
// buffer whose first character is already 0.
using ValueToTextFunction = void (*)(float value, char* text);

// Shows the value as text, centred on a filled rectangle. It never reports a
// change, so it needs no listener.
class TextDisplay : public Control {
 public:
  static constexpr int textSize = 100;

  explicit TextDisplay(const Rect& rect);

  void draw(DrawContext& context) override;

  // Each only stores; the change shows at the next drawing.
  void setFont(FontKind kind) { font = kind; }
  void setTextColour(Colour colour) { textColour = colour; }
  void setBackgroundColour(Colour colour) { backgroundColour = colour; }
  // Without one the value is written with two decimals.
  void setValueToText(ValueToTextFunction function) { valueToText = function; }

 private:
  ValueToTextFunction valueToText = nullptr;
  // Black on white in the normal font until the owner says otherwise.
  FontKind font = normalFont;
  Colour textColour{0, 0, 0};
  Colour backgroundColour{255, 255, 255};
};

}  // namespace sweepfilter
