// plughost editor as a user runs it: a screenshot of a program, and the
// changes the panel reports printed as the mouse makes them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ExpectedPanel.h"
#include "OpenPanel.h"
#include "PanelLayout.h"
#include "MouseRobot.h"
#include "PluginUnderTest.h"
#include "TestWindow.h"

namespace sweepfilter {

namespace {

// Runs plughost with the arguments, its output into a file; answers its exit code.
class Plughost {
 public:
  Plughost(const std::string& arguments, const std::string& outputFile, const std::string& plugin = "SweepFilter.dll") {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    output = CreateFileA(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inheritable, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    std::string commandLine = "plughost.exe editor " + plugin + " " + arguments;
    started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                             &process) != 0;
  }
  ~Plughost() {
    if (started) {
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    }
    CloseHandle(output);
  }

  bool ok() const { return started; }
  // Handles this program's messages meanwhile.
  DWORD exitCode() const {
    pumpUntil([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, 60000);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &code);
    return code;
  }

 private:
  HANDLE output = INVALID_HANDLE_VALUE;
  PROCESS_INFORMATION process{};
  bool started = false;
};

std::string contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  // Lines as written, whatever ends them.
  std::string lines = text.str();
  lines.erase(std::remove(lines.begin(), lines.end(), '\r'), lines.end());
  return lines;
}

TEST(PlughostEditor, TheScreenshotIsThePanelOfTheProgramWithTheValuesSet) {
  const std::string picture = "editor_test_screenshot.bmp";
  DeleteFileA(picture.c_str());
  std::string arguments = "--screenshot " + picture;
  arguments += " --set \"CUT freq.=0.9\" --program ";
  arguments += std::to_string(stereoProgram);
  const Plughost run(arguments, "editor_test_screenshot.txt");
  ASSERT_TRUE(run.ok());
  ASSERT_EQ(run.exitCode(), 0u) << contents("editor_test_screenshot.txt");

  PluginInstance instance = pluginUnderTest();
  instance.selectProgram(stereoProgram);
  instance.set(paramCutRange, 0.9f);
  auto* loaded = static_cast<HBITMAP>(
      LoadImageA(nullptr, picture.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  ASSERT_NE(loaded, nullptr);
  DIBSECTION description{};
  GetObjectA(loaded, sizeof description, &description);
  EXPECT_EQ(description.dsBm.bmBitsPixel, 24);
  ASSERT_EQ(description.dsBm.bmWidth, panelWidth);
  ASSERT_EQ(description.dsBm.bmHeight, panelHeight);
  Canvas shown(panelWidth, panelHeight);
  HDC source = CreateCompatibleDC(shown.dc());
  HGDIOBJ previous = SelectObject(source, loaded);
  BitBlt(shown.dc(), 0, 0, panelWidth, panelHeight, source, 0, 0, SRCCOPY);
  SelectObject(source, previous);
  DeleteDC(source);
  DeleteObject(loaded);
  EXPECT_EQ(panelDifference(shown, values(instance)), "");
  DeleteFileA(picture.c_str());
}

// The DLL's panel reports values; the CLAP plug-in's, the same panel, sends
// each move to the host as gesture begin, value, end in its own units. A click
// on the right half of the CLAP panel's LFO sync display steps FREE to 1/32;
// the DLL's panel has only its background there.
struct PrintedChanges {
  const char* plugin;
  std::vector<std::string> wanted;
};

const PrintedChanges printedChanges[] = {
    {"SweepFilter.dll",
     {"10  Mode         value 1  text \"STEREO\"", " 7  CUT freq.    value 0.33  text \"LOW\"",
      " 7  CUT freq.    value 1  text \"HIGH\""}},
#ifdef _WIN64
    {"SweepFilter.clap",
     {"10  Mode         gesture begin\n10  Mode         value 1  text \"STEREO\"\n10  Mode         gesture end",
      " 7  CUT freq.    gesture begin\n 7  CUT freq.    value 0  text \"LOW\"\n"
      " 7  CUT freq.    value 2  text \"HIGH\"\n 7  CUT freq.    gesture end",
      "12  LFO sync     gesture begin\n12  LFO sync     value 1  text \"1/32\"\n12  LFO sync     gesture end"}},
#endif
};

class PlughostEditorChanges : public ::testing::TestWithParam<PrintedChanges> {};
INSTANTIATE_TEST_SUITE_P(Plugins, PlughostEditorChanges, ::testing::ValuesIn(printedChanges));

TEST_P(PlughostEditorChanges, PrintsEachChangeThePanelReportsWithItsText) {
  const std::string printed = "editor_test_changes.txt";
  const std::vector<std::string>& wanted = GetParam().wanted;
  std::string text;
  const auto printedAll = [&] {
    return std::all_of(wanted.begin(), wanted.end(),
                       [&](const std::string& line) { return text.find(line) != std::string::npos; });
  };
  // The presses go to another program's window, where this one cannot see
  // whether they arrived: a run that lost one runs again.
  for (int attempt = 0; attempt < 3 && !printedAll(); ++attempt) {
    const Plughost run("--seconds 60", printed, GetParam().plugin);
    ASSERT_TRUE(run.ok());
    HWND window = nullptr;
    ASSERT_TRUE(pumpUntil([&] { return (window = FindWindowA("PlughostFrame", nullptr)) != nullptr; }, 30000));
    ASSERT_TRUE(pumpUntil([&] { return GetWindow(window, GW_CHILD) != nullptr; }, 30000));
    // Above this program's window, where the presses go.
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    pumpMessages(500);
    playMouse(window, clickAt(middleX(paramMode), middleY(paramMode)));
    const int left = expectedControl(paramCutRange).painted.left, y = middleY(paramCutRange);
    playMouse(window, {moveTo(left + 5, y), press(), moveTo(left + 40, y), release()});
    const Rect& sync = panel_layout::lfoSyncDisplay;
    playMouse(window, clickAt(sync.right - 10, (sync.top + sync.bottom) / 2));
    // As a user closing the window: plughost closes the editor and quits.
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(run.exitCode(), 0u) << contents(printed);
    text = contents(printed);
  }
  for (const std::string& line : wanted) EXPECT_NE(text.find(line), std::string::npos) << text;
}

}  // namespace

}  // namespace sweepfilter
