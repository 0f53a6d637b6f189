#pragma once

#include <X11/Xlib.h>
#include <lv2/ui/ui.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "X11HostWindow.h"

namespace sweepfilter {

// A small LV2 host of the panel on the X server named by DISPLAY: loads the
// UI object from the bundle, gives it a parent window that takes the size it
// asks for, sends port values, moves the pointer with XTest and reads the
// pixels back.
class UiHost : public X11HostWindow {
 public:
  explicit UiHost(const std::string& bundle);
  ~UiHost() override;

  // Instantiates the UI in a fresh parent window, with ui:scaleFactor if
  // given, offering ui:touch unless told not to.
  bool open(std::optional<float> scaleFactor = std::nullopt, bool offerTouch = true);
  void close(bool destroyParentFirst = false);
  void portEvent(std::uint32_t port, float value);
  // Each idle call after a pause that lets the server deliver the UI's events.
  void idle(int times = 3, std::chrono::milliseconds pause = std::chrono::milliseconds(2));
  // Idle calls without pauses until the UI writes, for at most a second: a
  // sweep over thousands of positions cannot wait a fixed time at each.
  void idleUntilWritten();

  // The pointer, in panel coordinates: move (and idle), press and release the left button.
  void moveTo(int x, int y);
  void press();
  void release();

  // Port and value of every write of the UI since the last take.
  std::vector<std::pair<std::uint32_t, float>> takeWrites();
  // A grab or release the UI told, after how many of the writes taken next.
  struct Touch {
    std::uint32_t port;
    bool grabbed;
    std::size_t afterWrites;
    bool operator==(const Touch&) const = default;
  };
  std::vector<Touch> takeTouches();

 private:
  static int resize(LV2UI_Feature_Handle host, int width, int height);
  static void write(LV2UI_Controller, std::uint32_t port, std::uint32_t size, std::uint32_t format, const void* buffer);
  static void touch(LV2UI_Feature_Handle host, std::uint32_t port, bool grabbed);

  std::string bundle;
  void* library = nullptr;
  const LV2UI_Descriptor* descriptor = nullptr;
  const LV2UI_Idle_Interface* idleInterface = nullptr;
  LV2UI_Handle ui = nullptr;
  std::vector<std::pair<std::uint32_t, float>> writes;
  std::vector<Touch> touches;
  LV2UI_Touch toucher{this, touch};  // the UI keeps its address
};

// This process's resident memory in pages: a panel opened and closed again
// and again must not make it grow.
inline long residentPages() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident;
}

}  // namespace sweepfilter
