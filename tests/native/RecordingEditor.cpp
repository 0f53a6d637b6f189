#include "RecordingEditor.h"

#include "EditorFactory.h"
#include "SweepFilterEffect.h"

namespace sweepfilter {

bool RecordingEditor::failNextCreation = false;
int RecordingEditor::liveCount = 0;

RecordingEditor::RecordingEditor(SweepFilterEffect* effect) : EditorBase(effect) {
  ++liveCount;
  effect->attachEditor(this);
}

RecordingEditor::~RecordingEditor() { --liveCount; }

std::int32_t RecordingEditor::queryRect(EditorRect** place) {
  *place = &bounds;
  return 1;
}

std::int32_t RecordingEditor::openPanel(void* parent) {
  EditorBase::openPanel(parent);
  return 1;
}

void RecordingEditor::refreshControls() {
  ++refreshCount;
  lastRefreshValues.clear();
  for (std::int32_t i = 0; i < numParameters; ++i) lastRefreshValues.push_back(effect->getParameterValue(i));
}

EditorBase* createEditor(SweepFilterEffect* effect) {
  if (RecordingEditor::failNextCreation) {
    RecordingEditor::failNextCreation = false;
    return nullptr;
  }
  return new RecordingEditor(effect);
}

}  // namespace sweepfilter
