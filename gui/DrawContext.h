#pragma once

#include <windows.h>

#include <cstdint>

#include "Colour.h"
#include "FontKind.h"
#include "Point.h"
#include "Rect.h"

namespace sweepfilter {

class View;

// One device context of the panel window, for the handling of one message.
// Owns the pen, brush and font it makes (never the surface) and puts the
// surface's own pen and font back before deleting its own. It is also the
// toolkit's only access to the mouse.
class DrawContext {
 public:
  enum MouseButton : std::int32_t { leftButton = 1, middleButton = 2, rightButton = 4 };

  DrawContext(View& owner, HDC hdc, HWND window);
  virtual ~DrawContext();

  DrawContext(const DrawContext&) = delete;
  DrawContext& operator=(const DrawContext&) = delete;

  void moveTo(const Point& point);
  void lineTo(const Point& point);
  void frameRect(const Rect& rect);
  void fillRect(const Rect& rect);

  void setTextColour(Colour colour);
  void setLineColour(Colour colour);
  void setFillColour(Colour colour);
  void setFont(FontKind kind);

  // Centred horizontally; the vertical place is a baseline measured from the
  // rectangle's bottom edge.
  void drawString(const char* text, const Rect& rect, bool opaque);

  // Redraws the owner's changed controls first: this is what repaints the
  // panel while a drag loop holds the message thread.
  std::int32_t getMouseButtons();
  // In the window's client coordinates, unclamped.
  void getMousePosition(Point& point) const;

  HDC getSurface() const { return hdc; }

 private:
  // Selects an object made here and deletes the one of ours it replaces;
  // remembers what the surface held before our first selection.
  void selectInstead(HGDIOBJ made, HGDIOBJ ours, HGDIOBJ& surfaceOwn);

  HDC hdc;
  HWND window;
  View* owner;
  HBRUSH fillBrush = nullptr;
  HPEN linePen = nullptr;
  HFONT font = nullptr;
  HGDIOBJ surfacePen = nullptr;
  HGDIOBJ surfaceFont = nullptr;
};

}  // namespace sweepfilter
