// plughost's panel window on Windows: a HostFrame, its messages pumped while waiting.
#include "EditorHolder.h"
#include "HostFrame.h"
#include "PanelWindow.h"
#include "WindowCapture.h"

namespace sweepfilter {

namespace {
class Win32PanelFrame : public PanelFrame {
 public:
  Win32PanelFrame(const std::string& title, int width, int height) : frame(title.c_str(), width, height) {}

  bool ok() const { return frame.ok(); }
  ParentWindow handle() const override { return frame.handle(); }
  bool closeRequested() const override { return frame.closeRequested(); }
  void wait(std::chrono::milliseconds timeout, const PanelCalls&) override {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(timeout.count()), QS_ALLINPUT);
    pumpMessages();
  }
  std::string saveScreenshot(const std::string& path, const PanelCalls&) override {
    RedrawWindow(frame.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return saveClientAreaAsBmp(frame.handle(), path);
  }

 private:
  HostFrame frame;
};
}  // namespace

std::unique_ptr<PanelFrame> openPanelFrame(const std::string& title, int width, int height, std::string& error) {
  auto frame = std::make_unique<Win32PanelFrame>(title, width, height);
  if (frame->ok()) return frame;
  error = "cannot make a window (Windows error " + std::to_string(GetLastError()) + ")";
  return nullptr;
}

}  // namespace sweepfilter
