#include "View.h"

void View::draw(DrawContext&) {}

void View::mouse(DrawContext&, const Point&) {}

void View::update(DrawContext&) {}
