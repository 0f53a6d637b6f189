#include <new>

#include "EditorFactory.h"
#include "SweepFilterEditor.h"
#include "SweepFilterEffect.h"

namespace sweepfilter {

// The Windows build's editor: the panel. It attaches itself to the effect.
EditorBase* createEditor(SweepFilterEffect* effect) { return new (std::nothrow) SweepFilterEditor(effect); }

}  // namespace sweepfilter
