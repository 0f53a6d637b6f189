#include "MouseRobot.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <thread>

#include "TestWindow.h"

namespace sweepfilter {

namespace {

// Wine answers the button state from a cache that a cursor move refreshes:
// a press right after a move may be missed. It also answers the cursor
// position from its own record for 100 ms after a move and from the X server
// after that, which under load may not have warped the pointer yet. So a move
// waits past those 100 ms and until the X server agrees. The other pause lets
// the drag loop see each button state.
constexpr DWORD afterMoveMs = 120;
constexpr DWORD afterButtonMs = 40;
constexpr int moveAttempts = 20;

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
    for (int attempt = 0; attempt < moveAttempts; ++attempt) {
      SetCursorPos(screen.x, screen.y);
      Sleep(afterMoveMs);
      POINT now{};
      GetCursorPos(&now);
      if (now.x == screen.x && now.y == screen.y) return;
    }
    return;
  }
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = buttonFlag(step.button, step.kind == MouseStep::press);
  SendInput(1, &input, sizeof input);
  Sleep(afterButtonMs);
}

}  // namespace

bool playMouse(HWND window, const std::vector<MouseStep>& steps) {
  std::vector<Point> aimed;
  Point at;
  for (const MouseStep& step : steps) {
    if (step.kind == MouseStep::move) at = step.at;
    if (step.kind == MouseStep::press) aimed.push_back(at);
  }
  takePresses();
  std::atomic<bool> done{false};
  std::thread robot([&] {
    for (const MouseStep& step : steps) perform(window, step);
    done = true;
  });
  pumpUntil([&] { return done.load(); }, 60000);
  robot.join();
  pumpMessages(20);
  std::vector<Point> reached;
  for (const MSG& message : takePresses()) {
    if (message.hwnd == window)
      reached.emplace_back(static_cast<std::int16_t>(LOWORD(message.lParam)),
                           static_cast<std::int16_t>(HIWORD(message.lParam)));
  }
  return reached.size() == aimed.size() &&
         std::equal(reached.begin(), reached.end(), aimed.begin(),
                    [](const Point& a, const Point& b) { return a.x == b.x && a.y == b.y; });
}

std::vector<MouseStep> clickAt(int x, int y, int button) { return {moveTo(x, y), press(button), release(button)}; }

}  // namespace sweepfilter
