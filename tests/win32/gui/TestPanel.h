#pragma once

#include <utility>
#include <vector>

#include "MouseRobot.h"
#include "PanelBitmap.h"
#include "PanelFrame.h"
#include "RecordingListener.h"
#include "TestBitmapIds.h"
#include "TestWindow.h"

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
    return *control;
  }

  // Paints at once, so every control has drawn the value it was given.
  void show() {
    InvalidateRect(frame.getWindow(), nullptr, TRUE);
    UpdateWindow(frame.getWindow());
  }

  void play(const std::vector<MouseStep>& steps) {
    show();
    playMouse(frame.getWindow(), steps);
  }

  RecordingListener listener;
  PanelFrame frame{Rect(0, 0, 200, 150), testWindow()};
};
