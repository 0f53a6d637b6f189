#include "PanelView.h"

#include <algorithm>
#include <bit>
#include <utility>
#include <vector>

#include "AngleToValue.h"
#include "FilmStrip.h"
#include "LfoSync.h"
#include "LfoSyncSteps.h"
#include "OnOffStates.h"
#include "SliderTravel.h"
#include "SwitchPositions.h"

namespace sweepfilter {

namespace {

using panel_layout::ControlKind;

constexpr std::uint32_t white = 0xFFFFFF;

SliderTravel travelOf(const panel_layout::SliderPlacement& slider) {
  return {slider.rect.left,    slider.rect.top,     slider.travelTop,
          slider.travelBottom, slider.handle.width, slider.handle.height};
}

std::size_t pictureSlot(const panel_bitmaps::BitmapInfo& info) {
  return static_cast<std::size_t>(info.id - panel_bitmaps::background.id);
}

// Rounds toward minus infinity: a drag above or left of the window stays on the panel's grid.
std::int32_t floorDivide(std::int32_t value, std::int32_t by) { return value / by - (value % by < 0 ? 1 : 0); }

}  // namespace

std::string PanelView::load(const std::string& folder, std::int32_t scale, bool withLfoSync) {
  return load(
      [&folder](std::int32_t id, std::int32_t of, RgbImage& image) {
        return readBmp(folder + (of == 1 ? "/" : "/2x/") + std::to_string(id) + ".bmp", image);
      },
      scale, withLfoSync);
}

std::string PanelView::load(const PictureReader& read, std::int32_t scale, bool withLfoSync) {
  if (scale != 1 && scale != 2) return "the pictures are drawn at scales 1 and 2, not " + std::to_string(scale);
  std::vector<panel_bitmaps::BitmapInfo> wanted(std::begin(panel_bitmaps::all), std::end(panel_bitmaps::all));
  if (withLfoSync) wanted.insert(wanted.end(), std::begin(panel_bitmaps::doors), std::end(panel_bitmaps::doors));
  for (const panel_bitmaps::BitmapInfo& info : wanted) {
    RgbImage& image = pictures[pictureSlot(info)];
    if (std::string error = read(info.id, scale, image); !error.empty()) return error;
    if (image.width != scale * info.width || image.height != scale * info.height)
      return "picture " + std::to_string(info.id) + " is not " + std::to_string(scale * info.width) + " x " +
             std::to_string(scale * info.height) + " pixels";
  }
  for (std::size_t i = 0; i < controls.size(); ++i) controls[i].placed = panel_layout::controlsInOrder[i];
  factor = scale;
  sync.shown = withLfoSync;
  canvas = RgbImage{scale * panel_bitmaps::background.width, scale * panel_bitmaps::background.height, {}};
  canvas.pixels.assign(static_cast<std::size_t>(canvas.width) * canvas.height, 0);
  return {};
}

void PanelView::connect(Report reportTo, Changed changedTo) {
  report = std::move(reportTo);
  changed = std::move(changedTo);
}

const RgbImage& PanelView::picture(const panel_bitmaps::BitmapInfo& info) const { return pictures[pictureSlot(info)]; }

void PanelView::setValue(ParameterIndex parameter, float normalised) {
  if (isParameter(parameter)) controls[panel_layout::slotOf(parameter)].value = normalised;
}

void PanelView::paintAll() {
  const panel_bitmaps::BitmapInfo& background = panel_bitmaps::background;
  copy(picture(background), Point(0, 0), Rect(0, 0, background.width, background.height), false);
  for (ControlState& control : controls) draw(control);
  if (sync.shown) drawSync();
}

void PanelView::redrawChanged() {
  for (ControlState& control : controls) {
    // Bits, not values: a NaN from the host is drawn once, not at every idle call.
    if (std::bit_cast<std::uint32_t>(control.value) != std::bit_cast<std::uint32_t>(control.shown)) {
      draw(control);
      changed(scaled(paintedArea(control)));
    }
  }
  if (sync.shown && sync.setting != sync.drawn) {
    drawSync();
    changed(scaled(panel_layout::lfoSyncDisplay));
    changed(scaled(panel_layout::lfoRateKnob.rect));
  }
}

void PanelView::drawSync() {
  const std::int32_t row = lfoSyncFrameRow(sync.setting, panel_bitmaps::lfoSyncDisplay.frameHeight);
  copy(picture(panel_bitmaps::lfoSyncDisplay), Point(0, row), panel_layout::lfoSyncDisplay, false);
  sync.drawn = sync.setting;
  draw(controls[panel_layout::slotOf(paramLfoRate)]);
}

void PanelView::setSync(std::int32_t setting) {
  if (setting == sync.setting) return;
  sync.setting = setting;
  report(static_cast<ParameterIndex>(lfoSyncId), static_cast<float>(setting));
  drawSync();
  changed(scaled(panel_layout::lfoSyncDisplay));
  changed(scaled(panel_layout::lfoRateKnob.rect));
}

void PanelView::draw(ControlState& control) {
  const panel_layout::PlacedControl& placed = control.placed;
  if (placed.kind == ControlKind::slider) {
    const panel_layout::SliderPlacement& slider = *placed.slider;
    // The track comes back from the background, then the handle over it.
    copy(picture(panel_bitmaps::background), Point(slider.track.left, slider.track.top), slider.track, false);
    const SliderTravel travel = travelOf(slider);
    const std::int32_t top = travel.handleTop(control.value);
    copy(picture(slider.handle), Point(0, 0),
         Rect(slider.rect.left, top, slider.rect.left + travel.handleWidth, travel.handleBottom(top)), true);
  } else {
    const panel_layout::StripPlacement& strip = *placed.strip;
    std::int32_t row = 0;
    // While the LFO follows the song its freq. knob shows that it does nothing.
    const bool synced = sync.shown && placed.tag() == paramLfoRate && sync.setting != lfoSyncFree;
    const panel_bitmaps::BitmapInfo& shown = synced ? panel_bitmaps::lfoRateKnobSynced : strip.strip;
    if (placed.kind == ControlKind::knob) {
      row = filmStripRow(control.value, strip.strip.frameCount, strip.strip.frameHeight);
    } else if (placed.kind == ControlKind::selector) {
      row = switchFrame(control.value, strip.strip.frameCount) * strip.strip.frameHeight;
    } else {
      // The button keeps the clamped value, as the DLL's does.
      control.value = onOffShown(control.value);
      row = onOffFrame(control.value) * strip.strip.frameHeight;
    }
    copy(picture(shown), Point(0, row), strip.rect, false);
  }
  control.shown = control.value;
}

Rect PanelView::paintedArea(const ControlState& control) const {
  return control.placed.slider ? control.placed.slider->track : control.placed.strip->rect;
}

Rect PanelView::scaled(const Rect& area) const {
  return {factor * area.left, factor * area.top, factor * area.right, factor * area.bottom};
}

Point PanelView::inPanel(const Point& point) const {
  return {floorDivide(point.x, factor), floorDivide(point.y, factor)};
}

void PanelView::copy(const RgbImage& from, const Point& panelSource, const Rect& panelArea, bool whiteIsClear) {
  const Point source(factor * panelSource.x, factor * panelSource.y);
  const Rect to = scaled(panelArea);
  // Clipped to the panel and to the picture: nothing is drawn outside either.
  const std::int32_t left = std::max({to.left, 0, to.left - source.x});
  const std::int32_t top = std::max({to.top, 0, to.top - source.y});
  const std::int32_t right = std::min({to.right, canvas.width, to.left - source.x + from.width});
  const std::int32_t bottom = std::min({to.bottom, canvas.height, to.top - source.y + from.height});
  for (std::int32_t y = top; y < bottom; ++y) {
    for (std::int32_t x = left; x < right; ++x) {
      const std::uint32_t colour = from.at(source.x + x - to.left, source.y + y - to.top);
      if (!whiteIsClear || colour != white) canvas.pixels[static_cast<std::size_t>(y) * canvas.width + x] = colour;
    }
  }
}

void PanelView::press(const Point& point) {
  // A second button during a drag belongs to that drag.
  if (active) return;
  const Point at = inPanel(point);
  const Rect& display = panel_layout::lfoSyncDisplay;
  if (sync.shown && display.contains(at)) {
    active = Drag{syncSlot, at, static_cast<float>(sync.setting), 0};
    setSync(lfoSyncSettingAt(sync.setting, at.x - display.left, at.x - display.left, display.width()));
    return;
  }
  offer(0, at, true);
}

void PanelView::drag(const Point& point) {
  if (!active) return;
  if (active->control == syncSlot) {
    const std::int32_t left = panel_layout::lfoSyncDisplay.left;
    setSync(lfoSyncSettingAt(static_cast<std::int32_t>(active->start), active->pressedAt.x - left,
                             inPanel(point).x - left, panel_layout::lfoSyncDisplay.width()));
    return;
  }
  ControlState& control = controls[active->control];
  set(control, valueAt(control, *active, inPanel(point)), false);
}

void PanelView::release() {
  if (!active) return;
  const Drag ended = *active;
  active.reset();
  if (ended.control == syncSlot) return;
  offer(ended.control + 1, ended.pressedAt, false);
}

void PanelView::offer(std::size_t first, const Point& point, bool held) {
  for (std::size_t i = first; i < controls.size(); ++i) {
    ControlState& control = controls[i];
    if (!control.placed.rect().contains(point)) continue;
    Drag drag{i, point, control.value, 0};
    if (control.placed.kind == ControlKind::slider) {
      // Only a press on the handle moves it; it keeps the offset it was taken at.
      const SliderTravel travel = travelOf(*control.placed.slider);
      const std::int32_t top = travel.handleTop(control.shown);
      if (!travel.grabs(point, top)) continue;
      drag.grab = point.y - top;
    }
    if (control.placed.kind == ControlKind::button && !held) {
      // A click that arrives after the release always flips and tells.
      set(control, onOffFlipped(drag.start), true);
      continue;
    }
    set(control, valueAt(control, drag, point), false);
    if (held) {
      active = drag;
      return;
    }
  }
}

void PanelView::set(ControlState& control, float value, bool always) {
  control.value = value;
  if (!always && value == control.shown) return;
  report(control.placed.tag(), value);
  draw(control);
  changed(scaled(paintedArea(control)));
}

float PanelView::valueAt(const ControlState& control, const Drag& drag, const Point& point) const {
  const Rect& rect = control.placed.rect();
  switch (control.placed.kind) {
    case ControlKind::knob:
      return angleToValue(Point(point.x - rect.left, point.y - rect.top), static_cast<float>(rect.width()) / 2, 0.0f,
                          1.0f);
    case ControlKind::selector:
      return switchValueAt(point.x - rect.left, control.placed.strip->strip.width,
                           control.placed.strip->strip.frameCount);
    case ControlKind::button:
      return onOffWhileHeld(drag.start, rect.contains(point));
    case ControlKind::slider:
      break;
  }
  return travelOf(*control.placed.slider).valueAt(point.y, drag.grab);
}

}  // namespace sweepfilter
