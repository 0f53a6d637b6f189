#pragma once

#include <vector>

#include "EditorBase.h"

namespace sweepfilter {

class SweepFilterEffect;

// The editor the unit tests link in place of the panel: counts what the
// effect asks of it, so the refresh protocol can be tested without windows.
class RecordingEditor : public EditorBase {
 public:
  explicit RecordingEditor(SweepFilterEffect* effect);
  ~RecordingEditor() override;

  std::int32_t queryRect(EditorRect** place) override;
  std::int32_t openPanel(void* parent) override;
  void closePanel() override { ++closeCount; }
  void refreshControls() override;

  bool isRefreshPending() const { return refreshPending.load() != 0; }
  void* lastParent() const { return parentWindow; }

  int closeCount = 0;
  int refreshCount = 0;
  std::vector<float> lastRefreshValues;
  EditorRect bounds{0, 0, 285, 400};

  // Set by a test to make the next effect start without an editor.
  static bool failNextCreation;
  static int liveCount;
};

}  // namespace sweepfilter
