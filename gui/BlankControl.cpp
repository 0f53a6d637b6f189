#include "BlankControl.h"

void BlankControl::draw(DrawContext&) {}
