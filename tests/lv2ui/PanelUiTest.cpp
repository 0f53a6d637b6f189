// The LV2 panel on a real X server (Xvfb, 24 bits): the UI object loaded from
// the bundle by a small host, driven by XTest, read back with XGetImage.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <vector>

#include "AngleToValue.h"
#include "PanelGestures.h"
#include "PanelLayout.h"
#include "PortValues.h"
#include "SwitchLimits.h"
#include "UiHost.h"

namespace sweepfilter {
namespace {

const std::string bundle = SWEEPFILTER_BUNDLE;

RgbImage picture(const panel_bitmaps::BitmapInfo& info) {
  RgbImage image;
  EXPECT_EQ(readBmp(bundle + "/pictures/" + std::to_string(info.id) + ".bmp", image), "");
  return image;
}

// Whether the screen shows frame k of a strip control's picture at its place
// (but for the columns the input slider's track covers, painted after it).
bool showsFrame(const RgbImage& screen, const panel_layout::StripPlacement& control, int frame) {
  const RgbImage strip = picture(control.strip);
  for (int y = 0; y < control.rect.height(); ++y)
    for (int x = 0; x < control.rect.width(); ++x)
      if (control.rect.left + x >= panel_layout::inputSlider.track.right &&
          screen.at(control.rect.left + x, control.rect.top + y) != strip.at(x, frame * control.strip.frameHeight + y))
        return false;
  return true;
}

// A written port value as the plug-in reads it.
struct Move {
  ParameterIndex parameter;
  float normalised;
};

std::vector<Move> moves(UiHost& host) {
  std::vector<Move> result;
  for (const auto& [port, value] : host.takeWrites())
    result.push_back({static_cast<ParameterIndex>(port), normalisedOf(static_cast<std::int32_t>(port), value)});
  return result;
}

// The DLL's value for a gesture, as the plug-in reads it through the port: a
// switch's first position (0.33 in the DLL) is its first setting.
float throughThePort(ParameterIndex parameter, float dllValue) {
  const auto port = portValueOf(parameter, dllValue);
  return port ? normalisedOf(parameter, *port) : normalisedOf(parameter, 0.0f);
}

TEST(PanelUi, HostValuesShowAtTheNextIdleAndWildOnesStayOnThePanel) {
  UiHost host(bundle);
  ASSERT_TRUE(host.open());
  EXPECT_TRUE(showsFrame(host.screen(), panel_layout::modeButton, 0));
  host.portEvent(paramMode, 1.0f);
  host.portEvent(paramLfoWave, 2.0f);
  EXPECT_TRUE(showsFrame(host.screen(), panel_layout::modeButton, 0)) << "drawn before the idle call";
  host.idle(1);
  const RgbImage shown = host.screen();
  EXPECT_TRUE(showsFrame(shown, panel_layout::modeButton, 1));
  EXPECT_TRUE(showsFrame(shown, panel_layout::lfoWaveSwitch, 2));
  EXPECT_TRUE(host.takeWrites().empty()) << "host values are not sent back";

  // Values far outside the ports' ranges: the background between the controls stays.
  const RgbImage background = picture(panel_bitmaps::background);
  const float wild[] = {std::numeric_limits<float>::quiet_NaN(), INFINITY, -INFINITY, 1e30f, -1e30f, -5.0f};
  for (float value : wild) {
    for (std::uint32_t port = 0; port < numParameters; ++port) host.portEvent(port, value);
    host.idle(1);
    const RgbImage screen = host.screen();
    for (int y = 0; y < screen.height; ++y)
      for (int x = 150; x < 160; ++x)
        ASSERT_EQ(screen.at(x, y), background.at(x, y)) << value << " at " << x << "," << y;
  }
}

TEST(PanelUi, GesturesGiveTheDllsValues) {
  UiHost host(bundle);
  ASSERT_TRUE(host.open());
  const auto play = [&](const std::vector<Point>& path) {
    host.takeWrites();
    host.moveTo(path[0].x, path[0].y);
    host.press();
    for (std::size_t i = 1; i < path.size(); ++i) host.moveTo(path[i].x, path[i].y);
    host.release();
    return moves(host);
  };

  // The knob's turn over its dial, from the middle.
  host.portEvent(paramCutoff, 50.0f);
  host.idle(1);
  std::vector<Point> turn;
  for (const Point& p : knobTurnPath) turn.push_back({68 + p.x, 40 + p.y});
  const std::vector<Move> turned = play(turn);
  ASSERT_EQ(turned.size(), std::size(knobTurnValues));
  for (std::size_t i = 0; i < turned.size(); ++i) {
    EXPECT_EQ(turned[i].parameter, paramCutoff);
    EXPECT_NEAR(turned[i].normalised, knobTurnValues[i], knobTolerance) << i;
  }

  // Each switch limit on the panel's own switches of that width and count.
  for (const SwitchLimit& limit : switchLimits) {
    const panel_layout::StripPlacement* control = limit.width == 70      ? &panel_layout::lfoWaveSwitch
                                                  : limit.positions == 3 ? &panel_layout::cutRangeSwitch
                                                  : limit.positions == 2 ? &panel_layout::softHardSwitch
                                                                         : nullptr;
    if (!control) continue;  // the panel has no 4- or 5-position switch
    // Start from the other end so that the press changes the value.
    host.portEvent(control->tag, limit.value > 0.5f ? 0.0f : 2.0f);
    host.idle(1);
    const std::vector<Move> moved = play({{control->rect.left + limit.dx, control->rect.top + 8}});
    ASSERT_EQ(moved.size(), 1u) << limit.where;
    EXPECT_EQ(moved[0].normalised, throughThePort(control->tag, limit.value)) << limit.where;
  }

  // The input slider, grabbed 10 pixels below its top (at 36 for 1), dragged
  // down 17 pixels, then out of the window above its travel and released there.
  host.portEvent(paramInput, 100.0f);
  host.idle(1);
  const std::vector<Move> slid = play({{30, 46}, {30, 63}, {150, 63}, {30, -40}});
  ASSERT_EQ(slid.size(), 2u);
  EXPECT_EQ(slid[0].normalised, 1.0f - 17.0f / sliderTravelPixels);
  EXPECT_EQ(slid[1].normalised, 1.0f);

  // The mode button: a click turns it on; pressed, dragged off and released, it ends where it was.
  EXPECT_EQ(play({{57, 233}}).size(), 1u);
  const std::vector<Move> draggedOff = play({{57, 233}, {57, 180}});
  ASSERT_EQ(draggedOff.size(), 2u);
  EXPECT_EQ(draggedOff[1].normalised, 1.0f);
}

// Every pointer position over each knob and every row of both sliders, in one
// drag each: the host gets a value reading back within a float's rounding of
// the panel's, and echoing it leaves the picture as the move drew it.
TEST(PanelUi, EveryKnobPositionAndSliderRowReachesTheHostAndItsEchoLeavesThePicture) {
  UiHost host(bundle);
  ASSERT_TRUE(host.open());
  // The UI draws in order: once a switch it is told to flip shows the flip, all
  // it drew before (at the idle call that draws the flip) is on the screen too.
  const Rect& flipped = panel_layout::softHardSwitch.rect;
  float setting = 0.0f;
  RgbImage lastFlip = host.screen(flipped);
  const auto settled = [&](const Rect& area) {
    host.portEvent(paramSoftHard, setting = 1.0f - setting);
    host.idle(1, std::chrono::milliseconds(0));
    const RgbImage before = lastFlip;
    for (int tries = 0; lastFlip.pixels == before.pixels && tries < 1000; ++tries) lastFlip = host.screen(flipped);
    return host.screen(area);
  };
  // From the port value `start`, a press at the first step and moves to the others.
  const auto sweep = [&](ParameterIndex parameter, float start, const Rect& drawn, const auto& steps) {
    host.portEvent(parameter, start);
    host.idle(1);
    host.takeWrites();
    float before = normalisedOf(parameter, start);
    for (std::size_t i = 0; i < steps.size(); before = steps[i++].second) {
      const auto& [at, value] = steps[i];
      if (i == 0) host.moveTo(at.x, at.y), host.press();
      if (value == before) continue;
      if (i > 0) host.movePointer(at.x, at.y), host.idleUntilWritten();
      const auto written = host.takeWrites();
      ASSERT_EQ(written.size(), 1u) << at.x << "," << at.y;
      ASSERT_NEAR(normalisedOf(parameter, written[0].second), value, 1e-6f * value)
          << parameter << " at " << at.x << "," << at.y;
      const RgbImage moved = settled(drawn);
      host.portEvent(parameter, written[0].second);
      ASSERT_EQ(settled(drawn).pixels, moved.pixels) << parameter << " at " << at.x << "," << at.y;
    }
  };
  for (const auto* knob : {&panel_layout::resonanceKnob, &panel_layout::cutoffKnob, &panel_layout::levelTrackKnob,
                           &panel_layout::lfoRateKnob}) {
    std::vector<std::pair<Point, float>> steps;
    for (int y = 0; y < knob->rect.height(); ++y)
      for (int x = 0; x < knob->rect.width(); ++x)
        steps.push_back(
            {{knob->rect.left + x, knob->rect.top + y}, angleToValue({x, y}, knob->rect.width() / 2.0f, 0.0f, 1.0f)});
    sweep(knob->tag, -1.0f, knob->rect, steps);
    host.release();
  }
  // Grabbed at the top, down row by row and back to the top.
  for (const auto* slider : {&panel_layout::inputSlider, &panel_layout::outputSlider}) {
    std::vector<std::pair<Point, float>> steps;
    for (int row = 0; row <= sliderTravelPixels; ++row)
      steps.push_back({{slider->rect.left, slider->travelTop + row}, 1.0f - row / sliderTravelPixels});
    steps.push_back(steps[0]);
    sweep(slider->tag, 100.0f, slider->track, steps);
    host.release();
  }
}

TEST(PanelUi, OpensAndClosesAThousandTimesWithoutGrowing) {
  UiHost host(bundle);
  for (int i = 0; i < 20; ++i) ASSERT_TRUE(host.open());
  const long before = residentPages();
  for (int i = 0; i < 1000; ++i) ASSERT_TRUE(host.open()) << i;
  host.close();
  const long grown = residentPages() - before;
  // A leak of the panel's pixels alone would be 450 KB a time.
  EXPECT_LT(grown * 4096, 4L << 20) << grown << " pages more";
  Window root, parent, *children = nullptr;
  unsigned count = 0;
  XQueryTree(host.display(), DefaultRootWindow(host.display()), &root, &parent, &children, &count);
  XFree(children);
  EXPECT_EQ(count, 0u) << "windows left behind";
}

TEST(PanelUi, AHostThatDestroysItsWindowFirstDoesNotBringItDown) {
  UiHost host(bundle);
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(host.open());
    host.close(true);
  }
  ASSERT_TRUE(host.open());
}

}  // namespace
}  // namespace sweepfilter
