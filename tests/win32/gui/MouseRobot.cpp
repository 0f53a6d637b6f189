#include "MouseRobot.h"

#include <atomic>
#include <thread>

#include "TestWindow.h"

namespace {

// Wine answers the button state from a cache that a cursor move refreshes:
// a press right after a move may be missed. The other pause lets the drag
// loop see each state.
constexpr DWORD afterMoveMs = 100;
constexpr DWORD afterButtonMs = 40;

DWORD buttonFlag(int button, bool down) {
  switch (button) {
    case MK_RBUTTON:
      return down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    case MK_MBUTTON:
      return down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
    default:
      return down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  }
}

void perform(HWND window, const MouseStep& step) {
  if (step.kind == MouseStep::move) {
    POINT screen{step.at.x, step.at.y};
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    Sleep(afterMoveMs);
    return;
  }
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = buttonFlag(step.button, step.kind == MouseStep::press);
  SendInput(1, &input, sizeof input);
  Sleep(afterButtonMs);
}

}  // namespace

void playMouse(HWND window, const std::vector<MouseStep>& steps) {
  std::atomic<bool> done{false};
  std::thread robot([&] {
    for (const MouseStep& step : steps) perform(window, step);
    done = true;
  });
  pumpUntil([&] { return done.load(); }, 60000);
  robot.join();
  pumpMessages(20);
}

std::vector<MouseStep> clickAt(int x, int y, int button) { return {moveTo(x, y), press(button), release(button)}; }
