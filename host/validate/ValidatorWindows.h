#pragma once

#include "HostFrame.h"
#include "EditorHolder.h"

namespace sweepfilter {

// The top-level window a check opens its panels in.
class ValidatorFrame : public HostFrame {
 public:
  ValidatorFrame() : HostFrame("plughost validate", 800, 600) {}
};

// A host window for one panel in the frame; a window that cannot be made ends the check.
EditorHolder editorHolderIn(const ValidatorFrame& frame, int width, int height);

}  // namespace sweepfilter
