#pragma once

#include "OnOffButton.h"

namespace sweepfilter {

// A momentary button: it follows the pointer like an on/off button while
// held and always goes back to 0 at release, reporting that 0.
class KickButton : public OnOffButton {
 public:
  using OnOffButton::OnOffButton;

  void mouse(DrawContext& context, const Point& point) override;
};

}  // namespace sweepfilter
