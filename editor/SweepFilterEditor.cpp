#include "SweepFilterEditor.h"

#include "EffectBase.h"
#include "PanelResources.h"

namespace sweepfilter {

SweepFilterEditor::SweepFilterEditor(EffectBase* effect)
    : EditorBase(effect), bounds{0, 0, panel_bitmaps::background.height, panel_bitmaps::background.width} {
  effect->attachEditor(this);
}

std::int32_t SweepFilterEditor::queryRect(EditorRect** place) {
  if (place) *place = &bounds;
  return 1;
}

std::int32_t SweepFilterEditor::openPanel(void* parent) {
  parentWindow = parent;
  Rect area;
  if (!panel.open(static_cast<HWND>(parent), area)) return 0;
  bounds = {0, 0, static_cast<std::int16_t>(area.bottom), static_cast<std::int16_t>(area.right)};
  return 1;
}

float SweepFilterEditor::parameterValue(std::int32_t index) { return effect->getParameterValue(index); }

void SweepFilterEditor::userMoved(std::int32_t index, float value) { effect->setParameterAndNotify(index, value); }

}  // namespace sweepfilter
