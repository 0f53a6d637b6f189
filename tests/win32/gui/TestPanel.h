#pragma once

#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

#include "MouseRobot.h"
#include "PanelBitmap.h"
#include "PanelFrame.h"
#include "RecordingListener.h"
#include "TestBitmapIds.h"
#include "TestWindow.h"

namespace sweepfilter {

// The test pictures as the toolkit loads them, shared by the whole program.
struct TestPictures {
  PanelBitmap background{TEST_BACKGROUND};
  PanelBitmap knobStrip{TEST_KNOB_STRIP};
  PanelBitmap handle{TEST_HANDLE};
  PanelBitmap switchStrip{TEST_SWITCH_STRIP};
  PanelBitmap selectorStrip{TEST_SELECTOR_STRIP};
};

inline TestPictures& pictures() {
  static TestPictures loaded;
  return loaded;
}

// A 200 × 150 panel in the test window, with a listener for its controls.
struct TestPanel {
  TestPanel() { frame.setBackground(&pictures().background); }

  template <typename ControlClass, typename... Arguments>
  ControlClass& add(Arguments&&... arguments) {
    auto* control = new ControlClass(std::forward<Arguments>(arguments)...);
    frame.addControl(control);
    added = control;
    return *control;
  }

  // Paints at once, so every control has drawn the value it was given.
  void show() {
    InvalidateRect(frame.getWindow(), nullptr, TRUE);
    UpdateWindow(frame.getWindow());
  }

  // False when a press went astray on its way (see playMouse).
  bool play(const std::vector<MouseStep>& steps) {
    show();
    return playMouse(frame.getWindow(), steps);
  }

  RecordingListener listener;
  Control* added = nullptr;  // the last control added
  PanelFrame frame{Rect(0, 0, 200, 150), testWindow()};
};

// Builds a panel and plays the steps on it; when a press goes astray, plays
// them again on a fresh panel, up to three times. Null if none arrived.
template <typename Build>
std::unique_ptr<TestPanel> playOnFreshPanel(const Build& build, const std::vector<MouseStep>& steps) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    auto panel = std::make_unique<TestPanel>();
    build(*panel);
    if (panel->play(steps)) return panel;
    std::printf("note: a press went astray on its way to the panel; playing the gesture again\n");
  }
  return nullptr;
}

}  // namespace sweepfilter
