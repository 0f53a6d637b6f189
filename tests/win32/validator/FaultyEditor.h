#pragma once

#include <windows.h>

#include "EditorBase.h"

namespace sweepfilter {

// A bare panel for the faulty effect: a child window whose clicks set a
// parameter through the editor path, with the faults asked for.
struct EditorFaults {
  bool leakBitmap;  // a bitmap made at every opening and never deleted
  bool leakMemory;  // 64 KB allocated at every opening and never freed
  bool keepClass;   // the window class left registered after the last editor
};

class FaultyEditor final : public EditorBase {
 public:
  FaultyEditor(EffectBase* effect, EditorFaults faults);
  ~FaultyEditor() override;

  std::int32_t queryRect(EditorRect** place) override;
  std::int32_t openPanel(void* parent) override;
  void closePanel() override;

 private:
  static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  const EditorFaults faults;
  HWND window = nullptr;
  EditorRect rect{0, 0, 285, 400};
};

}  // namespace sweepfilter
