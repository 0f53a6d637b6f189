#pragma once

#include "Point.h"
#include "Rect.h"

namespace sweepfilter {

class DrawContext;

// Base of everything on the panel: a place and three operations that do nothing here.
class View {
 public:
  explicit View(const Rect& rect) : rect(rect) {}

  virtual void draw(DrawContext& context);
  virtual void mouse(DrawContext& context, const Point& point);
  virtual void update(DrawContext& context);

  const Rect& getRect() const { return rect; }

 protected:
  // Views are never deleted through this base; Control and PanelFrame declare
  // their virtual destructors after the operations above.
  ~View() = default;

  Rect rect;
};

}  // namespace sweepfilter
