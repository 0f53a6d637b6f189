// The panel's life in a host: its size before it opens, closing and opening
// again, two instances at once, hosts that destroy their window first, and
// soaks that must leave GDI objects and memory where they were.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>
#include <iterator>

#include "ExpectedPanel.h"
#include "PanelResources.h"
#include "GdiObjects.h"
#include "Gestures.h"
#include "OpenPanel.h"
#include "ModuleInstance.h"
#include "MouseRobot.h"
#include "PluginUnderTest.h"
#include "TestWindow.h"

namespace sweepfilter {

namespace {

// What a cycle may leave behind in all. One leaked picture would be at least
// the handle's 24 x 38 pixels, the background 400 x 285 x 4 bytes: the soaks
// below would grow by megabytes. What remains is the allocator's own noise.
constexpr std::int64_t allowedMemoryGrowth = 256 * 1024;
constexpr int openCloseCycles = 1000;
constexpr int effectCycles = 100;
constexpr int warmUpCycles = 20;

struct ResourceUse {
  std::int64_t gdiObjects;
  std::int64_t privateBytes;
  int windows;

  static ResourceUse now() {
    pumpMessages(0);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    // Commit charge: the process's private memory.
    return {gdiObjects::live(), static_cast<std::int64_t>(memory.PagefileUsage), windowsInTestWindow()};
  }
};

// The GDI objects the DLL makes and deletes are counted too.
void countTheDllsGdiObjects() {
  static const bool watching = (gdiObjects::watch(moduleInstance), true);
  (void)watching;
}

void expectNothingLeft(const ResourceUse& before, const ResourceUse& after, const char* soak) {
  EXPECT_EQ(after.gdiObjects, before.gdiObjects) << soak;
  EXPECT_EQ(after.windows, before.windows) << soak;
  EXPECT_LE(after.privateBytes - before.privateBytes, allowedMemoryGrowth) << soak;
  std::cout << soak << ": GDI objects " << before.gdiObjects << " -> " << after.gdiObjects << ", windows "
            << before.windows << " -> " << after.windows << ", private memory " << before.privateBytes / 1024
            << " KB -> " << after.privateBytes / 1024 << " KB\n";
}

TEST(PanelLifecycle, TheEditorsSizeIsThePanelsBeforeTheFirstOpenAndAfter) {
  PluginInstance instance = pluginUnderTest();
  // Has an editor (1), and the effect's own two flags (8, 16).
  EXPECT_EQ(instance.descriptor()->flags, 25);
  EditorRect* rect = nullptr;
  ASSERT_EQ(instance.editorRect(&rect), 1);
  ASSERT_NE(rect, nullptr);
  EXPECT_EQ(rect->top, 0);
  EXPECT_EQ(rect->left, 0);
  EXPECT_EQ(rect->bottom, panelHeight);
  EXPECT_EQ(rect->right, panelWidth);
  const OpenPanel panel(instance);
  EditorRect* afterOpen = nullptr;
  EXPECT_EQ(instance.editorRect(&afterOpen), 1);
  EXPECT_EQ(afterOpen, rect);
  EXPECT_EQ(rect->bottom, panelHeight);
  EXPECT_EQ(rect->right, panelWidth);
}

TEST(PanelLifecycle, ThePanelIsAVisibleChildWindowAtTheHostWindowsCorner) {
  PluginInstance instance = pluginUnderTest();
  const OpenPanel panel(instance);
  ASSERT_NE(panel.window(), nullptr);
  char name[64] = {};
  GetClassNameA(panel.window(), name, sizeof name);
  EXPECT_STREQ(name, "PluginWindowClass");
  EXPECT_TRUE(IsWindowVisible(panel.window()));
  RECT place{};
  GetWindowRect(panel.window(), &place);
  MapWindowPoints(nullptr, panel.host.handle(), reinterpret_cast<POINT*>(&place), 2);
  EXPECT_EQ(place.left, 0);
  EXPECT_EQ(place.top, 0);
  EXPECT_EQ(place.right, panelWidth);
  EXPECT_EQ(place.bottom, panelHeight);
}

TEST(PanelLifecycle, ClosingThenOpeningInANewHostWindowBuildsACompleteSecondPanel) {
  EXPECT_TRUE(untilPressesArrive([] {
    PluginInstance instance = pluginUnderTest();
    EditorHolder first = panelHolder();
    EXPECT_EQ(instance.openEditor(first.handle()), 1);
    instance.closeEditor();
    EXPECT_EQ(first.panel(), nullptr) << "closing left the panel's window in the host's";
    first.destroy();

    instance.selectProgram(stereoProgram);
    EditorHolder second = panelHolder(panelWidth);
    EXPECT_EQ(instance.openEditor(second.handle()), 1);
    UpdateWindow(second.panel());
    EXPECT_EQ(panelDifference(*capture(second.panel()), values(instance)), "");
    const bool arrived = playMouse(second.panel(), clickAt(middleX(paramMode), middleY(paramMode)));
    if (arrived) {
      EXPECT_EQ(takeReports(instance), (std::vector<Report>{{paramMode, 0.0f}}));
    }
    instance.closeEditor();
    return arrived;
  }));
}

TEST(PanelLifecycle, OpeningAgainWithoutClosingReplacesThePanel) {
  countTheDllsGdiObjects();
  PluginInstance instance = pluginUnderTest();
  const std::int64_t noPanel = gdiObjects::live();
  const OpenPanel first(instance);
  const std::int64_t onePanel = gdiObjects::live();
  EXPECT_GE(onePanel - noPanel, std::ssize(panel_bitmaps::all)) << "the panel's pictures are not counted";
  EditorHolder second = panelHolder(panelWidth);
  ASSERT_EQ(instance.openEditor(second.handle()), 1);
  UpdateWindow(second.panel());
  EXPECT_EQ(first.window(), nullptr) << "the first panel's window is still there";
  EXPECT_EQ(gdiObjects::live(), onePanel) << "the first panel's pictures are still there";
  EXPECT_EQ(panelDifference(*capture(second.panel()), values(instance)), "");
  instance.closeEditor();
}

TEST(PanelLifecycle, TwoInstancesShowTwoWorkingPanelsAtOnce) {
  EXPECT_TRUE(untilPressesArrive([] {
    PluginInstance left = pluginUnderTest(), right = pluginUnderTest();
    right.selectProgram(stereoProgram);
    const OpenPanel leftPanel(left, 0), rightPanel(right, panelWidth);
    EXPECT_EQ(panelDifference(*leftPanel.shown(), values(left)), "");
    EXPECT_EQ(panelDifference(*rightPanel.shown(), values(right)), "");

    const auto modeButton = clickAt(middleX(paramMode), middleY(paramMode));
    // The range switch's right third: its highest position.
    const auto highRange = clickAt(expectedControl(paramCutRange).painted.left + 40, middleY(paramCutRange));
    if (!playMouse(rightPanel.window(), modeButton) || !playMouse(leftPanel.window(), highRange)) return false;
    EXPECT_EQ(takeReports(right), (std::vector<Report>{{paramMode, 0.0f}}));
    EXPECT_EQ(takeReports(left), (std::vector<Report>{{paramCutRange, 1.0f}}));
    leftPanel.idleAndTick();
    rightPanel.idleAndTick();
    EXPECT_EQ(panelDifference(*leftPanel.shown(), values(left)), "");
    EXPECT_EQ(panelDifference(*rightPanel.shown(), values(right)), "");
    return true;
  }));
}

TEST(PanelLifecycle, OpenCloseCyclesLeaveGdiObjectsWindowsAndMemoryWhereTheyWere) {
  countTheDllsGdiObjects();
  PluginInstance instance = pluginUnderTest();
  const auto cycle = [&] {
    const OpenPanel panel(instance);
    panel.idleAndTick();
    // The handle's transparent copy makes the slider picture's mask.
    instance.set(paramInput, 0.5f);
    panel.idleAndTick();
  };
  const std::int64_t gdiObjectsWithoutPanel = gdiObjects::live();
  for (int i = 0; i < warmUpCycles; ++i) cycle();
  EXPECT_EQ(gdiObjects::live(), gdiObjectsWithoutPanel) << "a closed panel keeps GDI objects";
  const ResourceUse before = ResourceUse::now();
  for (int i = 0; i < openCloseCycles; ++i) cycle();
  expectNothingLeft(before, ResourceUse::now(), "1000 open/close cycles");
  EXPECT_EQ(gdiObjects::deletedWhileSelected(), 0);
}

TEST(PanelLifecycle, ClosingTheEffectWithThePanelOpenReleasesThePanel) {
  countTheDllsGdiObjects();
  const auto cycle = [] {
    PluginInstance instance = pluginUnderTest();
    EditorHolder host = panelHolder();
    instance.openEditor(host.handle());
    UpdateWindow(host.panel());
    const HWND panel = host.panel();
    instance.close();
    EXPECT_FALSE(IsWindow(panel)) << "the panel outlived its effect";
    EXPECT_TRUE(IsWindow(host.handle()));
  };
  const std::int64_t gdiObjectsWithoutEffect = gdiObjects::live();
  for (int i = 0; i < warmUpCycles; ++i) cycle();
  EXPECT_EQ(gdiObjects::live(), gdiObjectsWithoutEffect);
  const ResourceUse before = ResourceUse::now();
  for (int i = 0; i < effectCycles; ++i) cycle();
  expectNothingLeft(before, ResourceUse::now(), "effects closed with their panels open");
}

TEST(PanelLifecycle, AHostThatDestroysItsWindowFirstCanOpenAgainAndCloseTheEffect) {
  countTheDllsGdiObjects();
  const auto cycle = [] {
    PluginInstance instance = pluginUnderTest();
    EditorHolder first = panelHolder();
    instance.openEditor(first.handle());
    UpdateWindow(first.panel());
    first.destroy();  // the panel's window goes with it, unannounced
    instance.idleEditor();
    EditorHolder second = panelHolder();
    ASSERT_EQ(instance.openEditor(second.handle()), 1);
    UpdateWindow(second.panel());
    EXPECT_EQ(panelDifference(*capture(second.panel()), values(instance)), "");
    second.destroy();
    instance.idleEditor();
    instance.close();
  };
  cycle();
  const ResourceUse before = ResourceUse::now();
  for (int i = 0; i < 10; ++i) cycle();
  expectNothingLeft(before, ResourceUse::now(), "host windows destroyed before the editor closed");
}

}  // namespace

}  // namespace sweepfilter
