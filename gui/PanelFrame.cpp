#include "PanelFrame.h"

#include <algorithm>
#include <new>

#include "ModuleInstance.h"
#include "PanelClass.h"

namespace sweepfilter {

namespace {

constexpr UINT_PTR timerId = 0;
constexpr UINT timerPeriodMs = 50;
constexpr std::int32_t listGrowth = 10;

}  // namespace

PanelFrame::PanelFrame(const Rect& rect, HWND parent) : View(rect) {
  registerPanelClass();
  window = CreateWindowExA(0, panelClassName, "Window", WS_CHILD | WS_VISIBLE, rect.left, rect.top, rect.width(),
                           rect.height(), parent, nullptr, moduleInstance, nullptr);
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetTimer(window, timerId, timerPeriodMs, nullptr);
}

PanelFrame::~PanelFrame() {
  // Only a window that still names this frame is ours to destroy: the host
  // may have destroyed it with its parent already.
  if (window && GetWindowLongPtrA(window, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this)) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
  }
  unregisterPanelClass();
  for (std::int32_t i = 0; i < controlCount; ++i) delete controls[i];
  delete[] controls;
}

void PanelFrame::paint(DrawContext& context, const Rect&) {
  if (background) background->draw(context, Rect(0, 0, background->getWidth(), background->getHeight()), Point(0, 0));
  for (std::int32_t i = 0; i < controlCount; ++i) controls[i]->draw(context);
}

void PanelFrame::mouse(DrawContext& context, const Point& point) {
  // Each call returns only after the buttons are released; the next control
  // under the point gets the same press point then.
  for (std::int32_t i = 0; i < controlCount; ++i) {
    if (controls[i]->getRect().contains(point)) controls[i]->mouse(context, point);
  }
}

void PanelFrame::update(DrawContext& context) {
  for (std::int32_t i = 0; i < controlCount; ++i) controls[i]->update(context);
}

bool PanelFrame::addControl(Control* control) {
  if (!control) return false;
  if (controlCount == controlCapacity) {
    const std::int32_t grown = controlCapacity + listGrowth;
    Control** larger = new (std::nothrow) Control*[grown];
    if (!larger) return false;
    std::copy_n(controls, controlCount, larger);
    delete[] controls;
    controls = larger;
    controlCapacity = grown;
  }
  controls[controlCount++] = control;
  return true;
}

bool PanelFrame::removeControl(Control* control) {
  Control** end = controls + controlCount;
  Control** found = std::find(controls, end, control);
  if (found != end) {
    std::copy(found + 1, end, found);
    --controlCount;
  }
  return true;
}

}  // namespace sweepfilter
