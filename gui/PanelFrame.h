#pragma once

#include <windows.h>

#include <cstdint>

#include "Control.h"
#include "DrawContext.h"
#include "PanelBitmap.h"
#include "View.h"

namespace sweepfilter {

// The editor's child window and the owner of the panel's controls: paints the
// background and every control, redraws changed controls on a 50 ms timer and
// hands button presses to every control under the pointer.
class PanelFrame : public View {
 public:
  // Creates the visible child window at the rectangle's place in the parent.
  PanelFrame(const Rect& rect, HWND parent);

  PanelFrame(const PanelFrame&) = delete;
  PanelFrame& operator=(const PanelFrame&) = delete;

  // Calls every control containing the point (all four edges inside), in list order.
  void mouse(DrawContext& context, const Point& point) override;
  void update(DrawContext& context) override;
  // The frame owns the control from then on; false (and not added) if the list cannot grow.
  virtual bool addControl(Control* control);
  // Takes out the first occurrence without deleting it.
  virtual bool removeControl(Control* control);
  // Destroys the window before the controls go, so its procedure never finds a deleted frame.
  virtual ~PanelFrame();

  // Not owned.
  void setBackground(PanelBitmap* bitmap) { background = bitmap; }
  // Repaints the whole panel whatever the update rectangle.
  void paint(DrawContext& context, const Rect& updateRect);

  HWND getWindow() const { return window; }
  std::int32_t getControlCount() const { return controlCount; }
  std::int32_t getControlCapacity() const { return controlCapacity; }

 private:
  PanelBitmap* background = nullptr;
  std::int32_t controlCount = 0;
  std::int32_t controlCapacity = 0;
  Control** controls = nullptr;
  HWND window = nullptr;
};

}  // namespace sweepfilter
