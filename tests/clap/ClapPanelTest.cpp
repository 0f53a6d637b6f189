// The CLAP plug-in's panel on a real X server (Xvfb, 24 bits), opened in the
// order hosts use and driven by the host's descriptor and timer callbacks:
// its pixels are the LV2 panel's (which its own tests hold to the DLL's), a
// click is gesture begin, value, end, and it opens and closes without growing;
// plughost editor shows it in its own window.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "BundleFacts.h"
#include "ClapPanelHost.h"
#include "FactoryPrograms.h"
#include "LfoSync.h"
#include "PanelCases.h"
#include "PanelLayout.h"
#include "PortValues.h"
#include "UiHost.h"

namespace sweepfilter {
namespace {

class ClapPanel : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(hosted.extension<clap_plugin_gui>(CLAP_EXT_GUI), nullptr); }
  ClapLibrary library{SWEEPFILTER_CLAP_FILE};
  HostedPlugin hosted{library};
};

// At the host's scale: 1.4 chooses the panel's own size, 1.5 the double one,
// as the LV2 UI's option does.
class ClapPanelAtScale : public ClapPanel, public ::testing::WithParamInterface<double> {};
INSTANTIATE_TEST_SUITE_P(Scales, ClapPanelAtScale, ::testing::Values(1.4, 1.5));

TEST_P(ClapPanelAtScale, ShowsTheLv2PanelsPixelsForEveryProgramTheHostLoads) {
  const std::uint32_t scale = GetParam() < 1.5 ? 1 : 2;
  const auto* gui = hosted.extension<clap_plugin_gui>(CLAP_EXT_GUI);
  ASSERT_TRUE(gui->create(hosted.plugin(), CLAP_WINDOW_API_X11, false));
  for (double unusable : {0.0, -1.0, static_cast<double>(NAN), static_cast<double>(INFINITY)})
    EXPECT_FALSE(gui->set_scale(hosted.plugin(), unusable)) << unusable;
  gui->destroy(hosted.plugin());
  ClapPanelHost panel(hosted);
  ASSERT_TRUE(panel.open(GetParam()));
  std::uint32_t size[2] = {};
  EXPECT_TRUE(gui->get_size(hosted.plugin(), &size[0], &size[1]) && size[0] == 400 * scale && size[1] == 285 * scale);
  EXPECT_FALSE(gui->set_scale(hosted.plugin(), 3 - scale)) << "an open panel keeps its size";
  EXPECT_FALSE(gui->can_resize(hosted.plugin()));
  EXPECT_GE(hosted.panelFd, 0);
  EXPECT_NE(hosted.panelTimer, CLAP_INVALID_ID);
  UiHost lv2(SWEEPFILTER_BUNDLE);
  const auto* load = hosted.extension<clap_plugin_preset_load>(CLAP_EXT_PRESET_LOAD);
  for (std::int32_t program : {4, 0, 1, 2, 3}) {
    ASSERT_TRUE(load->from_location(hosted.plugin(), CLAP_PRESET_DISCOVERY_LOCATION_PLUGIN, nullptr,
                                    std::to_string(program).c_str()));
    // One window at a time on the screen: pixels under another are not read back.
    ASSERT_TRUE(lv2.open(static_cast<float>(GetParam())));
    for (std::int32_t index = 0; index < numParameters; ++index)
      lv2.portEvent(index, *portValueOf(index, factoryPrograms[program].values[index]));
    // The host's LFO sync setting too, which greys out the LFO freq. knob but at FREE.
    const float sync = static_cast<float>(program * 4);
    lv2.portEvent(lfoSyncPort, sync);
    lv2.idle();
    const RgbImage expected = lv2.screen();
    lv2.close();
    hosted.queueValue(static_cast<clap_id>(lfoSyncId), sync);
    hosted.flush();
    panel.pump();
    EXPECT_TRUE(panel.screen().pixels == expected.pixels) << "program " << program;
  }
}

// A host whose queue is full refuses: the events stay and go, in order, once it takes them.
class ClapPanelRefused : public ClapPanel, public ::testing::WithParamInterface<HostedPlugin::Refusal> {};
INSTANTIATE_TEST_SUITE_P(Refusals, ClapPanelRefused,
                         ::testing::Values(HostedPlugin::Refusal::none, HostedPlugin::Refusal::all,
                                           HostedPlugin::Refusal::everyOther));

TEST_P(ClapPanelRefused, AClickIsGestureBeginValueEndAndAskedToBeFlushed) {
  ClapPanelHost panel(hosted);
  ASSERT_TRUE(panel.open());
  // The mode button, then the right half of the LFO sync display: one setting up.
  const Rect& button = panel_layout::modeButton.rect;
  const Rect& sync = panel_layout::lfoSyncDisplay;
  const clap_id ids[] = {static_cast<clap_id>(paramMode), static_cast<clap_id>(lfoSyncId)};
  for (const Point& at : {Point((button.left + button.right) / 2, (button.top + button.bottom) / 2),
                          Point(sync.right - 10, sync.top + 6)}) {
    panel.movePointer(at.x, at.y);
    panel.pressButton();
    panel.pump();
    panel.releaseButton();
    panel.pump();
  }
  hosted.refusal = GetParam();
  std::vector<HostedPlugin::SentEvent> sent;
  for (int flush = 0; flush < 3; ++flush)
    for (const auto& event : hosted.flush()) sent.push_back(event);
  if (GetParam() == HostedPlugin::Refusal::all) {
    EXPECT_TRUE(sent.empty());
  }
  hosted.refusal = HostedPlugin::Refusal::none;
  for (const auto& event : hosted.flush()) sent.push_back(event);
  ASSERT_EQ(sent.size(), 6u);
  const std::uint16_t gesture[] = {CLAP_EVENT_PARAM_GESTURE_BEGIN, CLAP_EVENT_PARAM_VALUE,
                                   CLAP_EVENT_PARAM_GESTURE_END};
  for (std::size_t i = 0; i < sent.size(); ++i)
    EXPECT_TRUE(sent[i].type == gesture[i % 3] && sent[i].parameter == ids[i / 3] &&
                (i % 3 != 1 || sent[i].value == 1.0))
        << i;
  for (clap_id id : ids) EXPECT_EQ(hosted.value(id), 1.0);
  EXPECT_GE(hosted.flushRequests, 1);
}

TEST_F(ClapPanel, OpensAndClosesAThousandTimesWithoutGrowingAndOutlivesTheHostsWindow) {
  ClapPanelHost panel(hosted);
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(panel.open());
    panel.close(true);
  }
  for (int i = 0; i < 20; ++i) ASSERT_TRUE(panel.open());
  const long before = residentPages();
  for (int i = 0; i < 1000; ++i) ASSERT_TRUE(panel.open()) << i;
  panel.close();
  EXPECT_EQ(hosted.panelFd, -1) << "the descriptor stays registered";
  EXPECT_EQ(hosted.panelTimer, CLAP_INVALID_ID) << "the timer stays registered";
  // A leak of the panel's pixels alone would be 450 KB a time.
  EXPECT_LT((residentPages() - before) * 4096, 4L << 20);
}

// The panel in plughost's window with the DLL's settings on its command line:
// its screenshot is the LV2 panel at the same values.
TEST(PlughostEditor, TheScreenshotIsTheLv2PanelAtTheValuesOfItsCommandLine) {
  const std::string picture = ::testing::TempDir() + "plughost-editor.bmp";
  UiHost lv2(SWEEPFILTER_BUNDLE);
  for (const Case& c : cases()) {
    std::remove(picture.c_str());
    const std::string command = quotedArgument(SWEEPFILTER_PLUGHOST) + " editor " +
                                quotedArgument(SWEEPFILTER_CLAP_FILE) + " " + c.plughostOptions + " --screenshot " +
                                quotedArgument(picture) + " >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << c.name;
    RgbImage shown;
    ASSERT_EQ(readBmp(picture, shown), "") << c.name;
    // One window at a time on the screen: pixels under another are not read back.
    ASSERT_TRUE(lv2.open());
    for (std::int32_t i = 0; i < numParameters; ++i) lv2.portEvent(static_cast<std::uint32_t>(i), c.ports[i]);
    lv2.idle();
    EXPECT_TRUE(lv2.screen().pixels == shown.pixels) << c.name;
    lv2.close();
  }
}

}  // namespace
}  // namespace sweepfilter
