#include "BlankControl.h"

namespace sweepfilter {

void BlankControl::draw(DrawContext&) {}

}  // namespace sweepfilter
