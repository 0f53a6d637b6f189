// The LV2 panel and the CLAP plug-in's panels (Linux and Windows) against the
// DLL's panel, pixel for pixel, for the same values: every factory program,
// and port values on both sides of every switch's threshold (the CLAP
// plug-in's values are the same numbers), but for the LV2 and CLAP panels' LFO sync display, at FREE.
// Run from the Windows build's tests with the emulator, plughost, the DLL and the Windows .clap; their panels are
// taken with plughost editor --screenshot on the same X display.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ClapPanelHost.h"
#include "LfoSync.h"
#include "PanelCases.h"
#include "PanelLayout.h"
#include "UiHost.h"

int main(int argc, char** argv) {
  using namespace sweepfilter;
  if (argc != 6) {
    std::fprintf(stderr, "usage: panel_matches_dll EMULATOR PLUGHOST.exe PLUGIN.dll PLUGIN.clap WORK-FOLDER\n");
    return 2;
  }
  const std::string screenshot = std::string(argv[5]) + "/panel.bmp";
  // plughost's screenshot of a plug-in's panel, or why there is none.
  const auto plughostPanel = [&](const char* plugin, const Case& c, RgbImage& panel) {
    std::remove(screenshot.c_str());
    const std::string command = quotedArgument(argv[1]) + " " + quotedArgument(argv[2]) + " editor " +
                                quotedArgument(plugin) + " " + c.plughostOptions + " --screenshot " +
                                quotedArgument(screenshot) + " >/dev/null";
    const std::string error = std::system(command.c_str()) == 0 ? readBmp(screenshot, panel) : "plughost failed";
    return error.empty() && (panel.width != 400 || panel.height != 285) ? "not 400 x 285" : error;
  };
  UiHost host(SWEEPFILTER_BUNDLE);
  const ClapLibrary library(SWEEPFILTER_CLAP_FILE);
  HostedPlugin hosted(library);
  ClapPanelHost clap(hosted);
  if (!clap.open()) {
    std::printf("the CLAP panel did not open\n");
    return 1;
  }
  int failures = 0;
  RgbImage syncDisplay;  // its first frame shows FREE
  const std::string syncPicture = std::to_string(panel_bitmaps::lfoSyncDisplay.id) + ".bmp";
  if (!readBmp(std::string(SWEEPFILTER_BUNDLE) + "/pictures/" + syncPicture, syncDisplay).empty()) return 1;
  // One panel on the screen at a time: pixels under another window are not read back.
  const auto compare = [&](const std::string& name, const char* door, const RgbImage& shown, const RgbImage& dll,
                           bool showsSync = false) {
    const Rect& sync = panel_layout::lfoSyncDisplay;
    // The display's pixels, inside its picture's rectangle; the DLL's elsewhere.
    const auto expected = [&](int x, int y) {
      const bool own = showsSync && x >= sync.left && x < sync.right && y >= sync.top && y < sync.bottom;
      return own ? syncDisplay.at(x - sync.left, y - sync.top) : dll.at(x, y);
    };
    int differing = 0, firstX = 0, firstY = 0;
    for (int y = 0; y < 285; ++y)
      for (int x = 0; x < 400; ++x)
        if (shown.at(x, y) != expected(x, y) && differing++ == 0) firstX = x, firstY = y;
    std::printf("%s, %s: %s", name.c_str(), door, differing ? "DIFFERENT" : "the same pixels\n");
    if (differing)
      std::printf(" in %d pixels, the first at (%d, %d): %06x, not %06x\n", differing, firstX, firstY,
                  shown.at(firstX, firstY), expected(firstX, firstY));
    failures += differing ? 1 : 0;
  };
  for (const Case& c : cases()) {
    RgbImage dll, windowsClap;
    if (const std::string error = plughostPanel(argv[3], c, dll); !error.empty()) {
      std::printf("%s: no screenshot of the DLL's panel (%s)\n", c.name.c_str(), error.c_str());
      ++failures;
      continue;
    }
    if (const std::string error = plughostPanel(argv[4], c, windowsClap); error.empty()) {
      compare(c.name, "CLAP on Windows", windowsClap, dll, true);
    } else {
      std::printf("%s: no screenshot of the Windows CLAP panel (%s)\n", c.name.c_str(), error.c_str());
      ++failures;
    }
    if (!host.open()) {
      std::printf("%s: the LV2 panel did not open\n", c.name.c_str());
      return 1;
    }
    for (std::int32_t i = 0; i < numParameters; ++i) host.portEvent(i, c.ports[i]);
    host.idle();
    compare(c.name, "LV2", host.screen(), dll, true);
    host.close();
    for (std::int32_t i = 0; i < numParameters; ++i) hosted.queueValue(static_cast<clap_id>(i), c.ports[i]);
    hosted.flush();
    clap.pump();
    compare(c.name, "CLAP", clap.screen(), dll, true);
  }
  // Synced, the Windows CLAP panel as the Linux one: the display's setting and the greyed FREQUENCY knob.
  Case first = cases().front();
  first.plughostOptions += " --sync 1/8";
  RgbImage windowsSynced;
  if (const std::string error = plughostPanel(argv[4], first, windowsSynced); !error.empty()) {
    std::printf("synced: no screenshot of the Windows CLAP panel (%s)\n", error.c_str());
    return 1;
  }
  for (std::int32_t i = 0; i < numParameters; ++i) hosted.queueValue(static_cast<clap_id>(i), first.ports[i]);
  hosted.queueValue(lfoSyncId, 6.0);
  hosted.flush();
  clap.pump();
  compare(first.name + " synced to 1/8", "CLAP on Windows against Linux", windowsSynced, clap.screen());
  return failures == 0 ? 0 : 1;
}
