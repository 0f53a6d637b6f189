#include "DrawContext.h"

#include <cstring>

#include "View.h"

namespace sweepfilter {

namespace {

COLORREF toColorRef(Colour colour) { return RGB(colour.red, colour.green, colour.blue); }

// Any kind but the three known ones gets an all-zero description: the system's default font.
LOGFONTA describeFont(FontKind kind) {
  struct Size {
    LONG height;
    LONG weight;
  };
  // Negative heights ask for the character height, not the cell height.
  static constexpr Size sizes[] = {{-13, FW_BOLD}, {-13, FW_NORMAL}, {-10, FW_NORMAL}};

  LOGFONTA description{};
  if (kind < boldFont || kind > smallFont) return description;
  description.lfHeight = sizes[kind].height;
  description.lfWeight = sizes[kind].weight;
  description.lfCharSet = ANSI_CHARSET;
  description.lfOutPrecision = OUT_STRING_PRECIS;
  description.lfClipPrecision = CLIP_STROKE_PRECIS;
  description.lfQuality = DEFAULT_QUALITY;
  description.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  std::strcpy(description.lfFaceName, "Arial");
  return description;
}

bool isDown(int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

}  // namespace

DrawContext::DrawContext(View& owner, HDC hdc, HWND window) : hdc(hdc), window(window), owner(&owner) {}

DrawContext::~DrawContext() {
  // A selected object cannot be deleted: give the surface its own back first.
  if (linePen) {
    SelectObject(hdc, surfacePen);
    DeleteObject(linePen);
  }
  if (font) {
    SelectObject(hdc, surfaceFont);
    DeleteObject(font);
  }
  if (fillBrush) DeleteObject(fillBrush);
}

void DrawContext::moveTo(const Point& point) { MoveToEx(hdc, point.x, point.y, nullptr); }

void DrawContext::lineTo(const Point& point) { LineTo(hdc, point.x, point.y); }

void DrawContext::frameRect(const Rect& rect) {
  moveTo({rect.left, rect.top});
  lineTo({rect.right, rect.top});
  lineTo({rect.right, rect.bottom});
  lineTo({rect.left, rect.bottom});
  lineTo({rect.left, rect.top});
}

void DrawContext::fillRect(const Rect& rect) {
  const RECT area{rect.left, rect.top, rect.right, rect.bottom};
  FillRect(hdc, &area, fillBrush);
}

void DrawContext::setTextColour(Colour colour) { SetTextColor(hdc, toColorRef(colour)); }

void DrawContext::setLineColour(Colour colour) {
  const LOGPEN description{PS_SOLID, {1, 0}, toColorRef(colour)};
  HPEN made = CreatePenIndirect(&description);
  if (!made) return;
  selectInstead(made, linePen, surfacePen);
  linePen = made;
}

void DrawContext::setFillColour(Colour colour) {
  // Also the background of opaque text.
  SetBkColor(hdc, toColorRef(colour));
  const LOGBRUSH description{BS_SOLID, toColorRef(colour), 0};
  HBRUSH made = CreateBrushIndirect(&description);
  if (!made) return;
  // The brush is only passed to FillRect, never selected.
  if (fillBrush) DeleteObject(fillBrush);
  fillBrush = made;
}

void DrawContext::setFont(FontKind kind) {
  const LOGFONTA description = describeFont(kind);
  HFONT made = CreateFontIndirectA(&description);
  if (!made) return;
  selectInstead(made, font, surfaceFont);
  font = made;
}

void DrawContext::selectInstead(HGDIOBJ made, HGDIOBJ ours, HGDIOBJ& surfaceOwn) {
  HGDIOBJ replaced = SelectObject(hdc, made);
  if (ours)
    DeleteObject(ours);
  else
    surfaceOwn = replaced;
}

void DrawContext::drawString(const char* text, const Rect& rect, bool opaque) {
  const int length = static_cast<int>(std::strlen(text));
  SIZE extent{};
  GetTextExtentPoint32A(hdc, text, length, &extent);
  const std::int32_t x = rect.left + (rect.width() - extent.cx) / 2;
  const std::int32_t y = rect.bottom + (rect.height() - extent.cy) / 2;
  SetBkMode(hdc, opaque ? OPAQUE : TRANSPARENT);
  SetTextAlign(hdc, TA_LEFT | TA_BASELINE);
  TextOutA(hdc, x, y, text, length);
}

std::int32_t DrawContext::getMouseButtons() {
  std::int32_t buttons = 0;
  if (isDown(VK_LBUTTON)) buttons |= leftButton;
  if (isDown(VK_MBUTTON)) buttons |= middleButton;
  if (isDown(VK_RBUTTON)) buttons |= rightButton;
  // A drag loop handles no window messages: this update is what redraws the panel while a drag lasts.
  owner->update(*this);
  return buttons;
}

void DrawContext::getMousePosition(Point& point) const {
  POINT cursor{};
  GetCursorPos(&cursor);
  MapWindowPoints(nullptr, window, &cursor, 1);
  point = {cursor.x, cursor.y};
}

}  // namespace sweepfilter
