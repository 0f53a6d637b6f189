#include "EditorFactory.h"

namespace sweepfilter {

// Builds without a window system run the effect with no editor.
EditorBase* createEditor(SweepFilterEffect*) { return nullptr; }

}  // namespace sweepfilter
