#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "PanelLayout.h"
#include "Parameters.h"
#include "Point.h"
#include "Rect.h"
#include "RgbImage.h"

namespace sweepfilter {

// The panel without a window system: the pictures, the twelve controls'
// values, the pixels they are painted into, and the pointer's gestures. It
// paints and maps exactly as the DLL's controls do, from the same layout and
// mapping functions; the window only copies its pixels to the screen. A door
// that has "LFO sync" asks for its display too, which the DLL's panel lacks.
//
// At scale 2 it paints the pictures drawn at twice the size, and every
// place, area and pointer position is twice the layout's: a point maps to
// the panel pixel it lies in, so the same place of the artwork gives the
// same value at either scale.
class PanelView {
 public:
  // A user's change: the parameter and its new normalised value; for
  // lfoSyncId, the setting's number.
  using Report = std::function<void(ParameterIndex, float)>;
  // An area of the pixels that a redraw changed, in the view's pixels.
  using Changed = std::function<void(const Rect&)>;

  // Where the user's changes and the redrawn areas go, from the first paint on.
  void connect(Report report, Changed changed);

  // Loads the eleven pictures of a scale, 1 or 2 (folder/<resource id>.bmp,
  // the larger ones in folder/2x/), and the doors' own with the LFO sync
  // display: "" or why not.
  std::string load(const std::string& folder, std::int32_t scale, bool withLfoSync = false);
  // The same from wherever `read` finds a picture by its resource id and scale.
  using PictureReader = std::function<std::string(std::int32_t id, std::int32_t scale, RgbImage& image)>;
  std::string load(const PictureReader& read, std::int32_t scale, bool withLfoSync = false);
  std::int32_t scale() const { return factor; }

  // A value from the host; shown at the next redrawChanged, never reported.
  void setValue(ParameterIndex parameter, float normalised);
  // The value a parameter's control holds now.
  float value(ParameterIndex parameter) const { return controls[panel_layout::slotOf(parameter)].value; }
  // The LFO sync setting from the host, the same way; the setting shown now.
  void setLfoSync(std::int32_t setting) { sync.setting = setting; }
  std::int32_t lfoSync() const { return sync.setting; }

  // The whole panel, as a first paint draws it.
  void paintAll();
  // Redraws each control whose value differs from the one it shows, in
  // painting order, and names the area each redraw changed.
  void redrawChanged();

  // A press of a button that moves controls, a move with it held (in the
  // view's pixels), and the release of the last held button. Each change of a value is reported, then
  // drawn at once, so it is reported once per redraw as in the DLL.
  void press(const Point& point);
  void drag(const Point& point);
  void release();
  bool dragging() const { return active.has_value(); }

  const RgbImage& pixels() const { return canvas; }

 private:
  struct ControlState {
    panel_layout::PlacedControl placed;
    float value = 0.0f;
    float shown = 0.0f;
    bool drawn = false;
  };
  // The control a press is driving, and what its gesture keeps from the press.
  struct Drag {
    std::size_t control;
    Point pressedAt;
    float start;
    std::int32_t grab;
  };

  // The LFO sync display: whether it is shown, its setting and the one drawn.
  struct SyncState {
    bool shown = false;
    std::int32_t setting = 0;
    std::int32_t drawn = -1;
  };
  // Where a drag of the sync display keeps its control's number.
  static constexpr std::size_t syncSlot = numParameters;

  const RgbImage& picture(const panel_bitmaps::BitmapInfo& info) const;
  void draw(ControlState& control);
  // Draws the sync display and the LFO freq. knob, whose look follows it.
  void drawSync();
  void setSync(std::int32_t setting);
  Rect paintedArea(const ControlState& control) const;
  Rect scaled(const Rect& area) const;
  Point inPanel(const Point& point) const;
  // Copies a picture's pixels, the source and the area in the layout's pixels.
  void copy(const RgbImage& from, const Point& source, const Rect& to, bool whiteIsClear);
  // Offers the press to the controls from `first` on, in order, as the DLL's
  // frame does: one that takes a held press starts a drag and stops the
  // offer; after the release the others get the same point as a click.
  void offer(std::size_t first, const Point& point, bool held);
  void set(ControlState& control, float value, bool always);
  float valueAt(const ControlState& control, const Drag& drag, const Point& point) const;

  std::array<RgbImage, std::size(panel_bitmaps::all) + std::size(panel_bitmaps::doors)> pictures;
  std::array<ControlState, numParameters> controls;
  SyncState sync;
  RgbImage canvas;
  std::int32_t factor = 1;
  std::optional<Drag> active;
  Report report;
  Changed changed;
};

}  // namespace sweepfilter
