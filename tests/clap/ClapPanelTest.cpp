// The CLAP plug-in's panel on a real X server (Xvfb, 24 bits), opened in the
// order hosts use and driven by the host's descriptor and timer callbacks:
// its pixels are the LV2 panel's (which its own tests hold to the DLL's), a
// click is gesture begin, value, end, and it opens and closes without growing.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "ClapPanelHost.h"
#include "FactoryPrograms.h"
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
    lv2.idle();
    const RgbImage expected = lv2.screen();
    lv2.close();
    panel.pump();
    EXPECT_TRUE(panel.screen().pixels == expected.pixels) << "program " << program;
  }
}

TEST_F(ClapPanel, AClickIsGestureBeginValueEndAndAskedToBeFlushed) {
  ClapPanelHost panel(hosted);
  ASSERT_TRUE(panel.open());
  const Rect& button = panel_layout::modeButton.rect;
  panel.movePointer((button.left + button.right) / 2, (button.top + button.bottom) / 2);
  panel.pressButton();
  panel.pump();
  panel.releaseButton();
  panel.pump();
  const auto sent = hosted.flush();
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(sent[0].type, CLAP_EVENT_PARAM_GESTURE_BEGIN);
  EXPECT_EQ(sent[1].type, CLAP_EVENT_PARAM_VALUE);
  EXPECT_EQ(sent[1].value, 1.0);
  EXPECT_EQ(sent[2].type, CLAP_EVENT_PARAM_GESTURE_END);
  for (const auto& event : sent) EXPECT_EQ(event.parameter, static_cast<clap_id>(paramMode));
  EXPECT_EQ(hosted.value(paramMode), 1.0);
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

}  // namespace
}  // namespace sweepfilter
