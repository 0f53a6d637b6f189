#pragma once

#include <string>

#include "Canvas.h"
#include "PanelResources.h"
#include "Parameters.h"
#include "Rect.h"

namespace sweepfilter {

// What the panel must show for a set of parameter values: the background,
// each control's frame at its place and the slider handles over their
// tracks, with the DLL's own pictures. The places are written down here as
// the panel is drawn, independently of the editor's table.

// How a control shows its value.
enum class Look { knob, threeWay, twoWay, lamp, slider };

struct ExpectedControl {
  ParameterIndex parameter;
  Look look;
  // What the control paints: one frame of its picture, or for a slider its
  // track (the handle moves over it).
  Rect painted;
  const panel_bitmaps::BitmapInfo& picture;
};

// In the order the panel paints them.
extern const ExpectedControl expectedControls[numParameters];
const ExpectedControl& expectedControl(ParameterIndex parameter);
// Where a press hits the middle of a control's picture, in panel coordinates.
int middleX(ParameterIndex parameter);
int middleY(ParameterIndex parameter);

// The frame a value selects; for a slider, the row of the handle's top edge.
int frameFor(const ExpectedControl& control, float value);

// The first pixel of the shown panel that differs from the panel for these
// values, or "" when there is none.
std::string panelDifference(const Canvas& shown, const ParameterValues& values);
// The first pixel of the control's painted area that differs from the frame
// (or handle row) given, or "".
std::string controlDifference(const Canvas& shown, const ExpectedControl& control, int frame);

}  // namespace sweepfilter
