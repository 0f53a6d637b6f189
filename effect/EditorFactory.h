#pragma once

namespace sweepfilter {

class SweepFilterEffect;
class EditorBase;

// Makes the effect's editor, which attaches itself to the effect. Each build
// links exactly one definition: the panel in the Windows DLL, none where there
// is no window system, a recording editor in the tests. May return null.
EditorBase* createEditor(SweepFilterEffect* effect);

}  // namespace sweepfilter
