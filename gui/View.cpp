#include "View.h"

namespace sweepfilter {

void View::draw(DrawContext&) {}

void View::mouse(DrawContext&, const Point&) {}

void View::update(DrawContext&) {}

}  // namespace sweepfilter
