// The LV2 panel on a real X server (Xvfb, 24 bits): the UI object loaded from
// the bundle by a small host, driven by XTest, read back with XGetImage.
#include <gtest/gtest.h>

#include <X11/Xatom.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

#include "AngleToValue.h"
#include "BundleFacts.h"
#include "LfoSync.h"
#include "LfoSyncSteps.h"
#include "PanelCases.h"
#include "PanelGestures.h"
#include "PanelLayout.h"
#include "PanelScale.h"
#include "PortValues.h"
#include "SwitchLimits.h"
#include "UiHost.h"

namespace sweepfilter {
namespace {

const std::string bundle = SWEEPFILTER_BUNDLE;

RgbImage picture(const panel_bitmaps::BitmapInfo& info, int scale = 1) {
  RgbImage image;
  EXPECT_EQ(readBmp(bundle + (scale == 1 ? "/pictures/" : "/pictures/2x/") + std::to_string(info.id) + ".bmp", image),
            "");
  return image;
}

// The UI at a scale as a host that passes its scale factor opens it.
std::optional<float> option(int scale) { return scale == 1 ? std::nullopt : std::optional<float>(scale); }

// Whether the screen shows frame k of a strip control's picture at its place
// (but for the columns the input slider's track covers, painted after it).
bool showsFrame(const RgbImage& screen, const panel_layout::StripPlacement& control, int frame, int scale = 1) {
  const RgbImage strip = picture(control.strip, scale);
  const Rect& r = control.rect;
  for (int y = 0; y < scale * r.height(); ++y)
    for (int x = 0; x < scale * r.width(); ++x)
      if (r.left * scale + x >= panel_layout::inputSlider.track.right * scale &&
          screen.at(scale * r.left + x, scale * r.top + y) !=
              strip.at(x, scale * frame * control.strip.frameHeight + y))
        return false;
  return true;
}

// Copies a picture's area to (x, y) of an image, white left out if it is clear.
void paste(RgbImage& to, const RgbImage& from, const Rect& area, int x, int y, bool whiteIsClear = false) {
  for (int row = 0; row < area.height(); ++row)
    for (int column = 0; column < area.width(); ++column)
      if (const std::uint32_t colour = from.at(area.left + column, area.top + row); !whiteIsClear || colour != 0xFFFFFF)
        to.pixels[static_cast<std::size_t>(y + row) * to.width + x + column] = colour;
}

// The double-size panel that shows what the panel at its own size shows: in
// painting order, each control's frame and each slider's handle row found on
// the smaller screen, taken from the larger pictures to twice its place.
RgbImage doubled(const RgbImage& shown) {
  RgbImage out = picture(panel_bitmaps::background, 2);
  for (const panel_layout::PlacedControl& placed : panel_layout::controlsInOrder) {
    if (const panel_layout::StripPlacement* strip = placed.strip) {
      int frame = 0;
      while (frame < strip->strip.frameCount && !showsFrame(shown, *strip, frame)) ++frame;
      EXPECT_LT(frame, strip->strip.frameCount) << "no frame of control " << strip->tag;
      const int h = 2 * strip->strip.frameHeight;
      paste(out, picture(strip->strip, 2), Rect(0, frame * h, 2 * strip->rect.width(), (frame + 1) * h),
            2 * strip->rect.left, 2 * strip->rect.top);
      continue;
    }
    const panel_layout::SliderPlacement& slider = *placed.slider;
    const RgbImage handle = picture(slider.handle);
    const auto handleAt = [&](int top) {
      for (int y = 0; y < handle.height; ++y)
        for (int x = 0; x < handle.width; ++x)
          if (handle.at(x, y) != 0xFFFFFF && shown.at(slider.rect.left + x, top + y) != handle.at(x, y)) return false;
      return true;
    };
    int top = slider.travelTop;
    while (top <= slider.travelBottom && !handleAt(top)) ++top;
    EXPECT_LE(top, slider.travelBottom) << "no handle on slider " << slider.tag;
    const Rect track(2 * slider.track.left, 2 * slider.track.top, 2 * slider.track.right, 2 * slider.track.bottom);
    paste(out, picture(panel_bitmaps::background, 2), track, track.left, track.top);
    paste(out, picture(slider.handle, 2), Rect(0, 0, 2 * handle.width, 2 * handle.height), track.left, 2 * top, true);
  }
  // The sync display, at FREE in every case.
  const Rect& sync = panel_layout::lfoSyncDisplay;
  paste(out, picture(panel_bitmaps::lfoSyncDisplay, 2), Rect(0, 0, 2 * sync.width(), 2 * sync.height()), 2 * sync.left,
        2 * sync.top);
  return out;
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

// At its own size and at twice the size, with every point doubled.
class PanelUiAtScale : public ::testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(Scales, PanelUiAtScale, ::testing::Values(1, 2));

TEST_P(PanelUiAtScale, HostValuesShowAtTheNextIdleAndWildOnesStayOnThePanel) {
  const int scale = GetParam();
  UiHost host(bundle);
  ASSERT_TRUE(host.open(option(scale)));
  EXPECT_TRUE(showsFrame(host.screen(), panel_layout::modeButton, 0, scale));
  host.portEvent(paramMode, 1.0f);
  host.portEvent(paramLfoWave, 2.0f);
  EXPECT_TRUE(showsFrame(host.screen(), panel_layout::modeButton, 0, scale)) << "drawn before the idle call";
  host.idle(1);
  const RgbImage shown = host.screen();
  EXPECT_TRUE(showsFrame(shown, panel_layout::modeButton, 1, scale));
  EXPECT_TRUE(showsFrame(shown, panel_layout::lfoWaveSwitch, 2, scale));
  EXPECT_TRUE(host.takeWrites().empty()) << "host values are not sent back";

  // Values far outside the ports' ranges: the background between the controls stays.
  const RgbImage background = picture(panel_bitmaps::background, scale);
  const float wild[] = {std::numeric_limits<float>::quiet_NaN(), INFINITY, -INFINITY, 1e30f, -1e30f, -5.0f};
  for (float value : wild) {
    for (std::uint32_t port = 0; port < numParameters; ++port) host.portEvent(port, value);
    host.idle(1);
    const RgbImage screen = host.screen();
    ASSERT_EQ(screen.height, background.height);
    for (int y = 0; y < screen.height; ++y)
      for (int x = 150 * scale; x < 160 * scale; ++x)
        ASSERT_EQ(screen.at(x, y), background.at(x, y)) << value << " at " << x << "," << y;
  }
}

// The sync display shows the host's nearest setting, greying the LFO freq. knob but at FREE; clicks and
// sideways drags step it up to the ends, told to the host between grab and release.
TEST_P(PanelUiAtScale, TheSyncDisplayShowsTheHostsSettingAndStepsItForTheHost) {
  const int scale = GetParam();
  constexpr auto port = static_cast<std::uint32_t>(lfoSyncPort);
  UiHost host(bundle);
  ASSERT_TRUE(host.open(option(scale)));
  const Rect& at = panel_layout::lfoSyncDisplay;
  const panel_layout::StripPlacement display{paramInput, at, panel_bitmaps::lfoSyncDisplay};
  const panel_layout::StripPlacement synced{paramLfoRate, panel_layout::lfoRateKnob.rect,
                                            panel_bitmaps::lfoRateKnobSynced};
  // The host's value, a press at the first x from the display's left edge, moves to the others, the release.
  using Step = std::tuple<float, std::vector<int>, std::vector<float>, int>;
  const int l = 10, r = at.width() - 10, d = lfoSyncDragStep;
  const Step steps[] = {{NAN, {}, {}, 0},
                        {6.4f, {}, {}, 6},
                        {1e30f, {}, {}, 17},
                        {-3.0f, {}, {}, 0},
                        {13.0f, {r}, {14}, 14},
                        {13.0f, {l}, {12}, 12},
                        {13.0f, {r, r + d, r - d}, {14, 15, 13}, 13},
                        {13.0f, {l, l - 3 * d}, {12, 9}, 9},
                        {17.0f, {r}, {}, 17},
                        {0.0f, {l}, {}, 0},
                        {0.0f, {r}, {1}, 1}};
  for (const auto& [hostValue, xs, expected, shown] : steps) {
    host.portEvent(port, hostValue);
    host.idle(1);
    for (std::size_t i = 0; i < xs.size(); ++i) {
      host.moveTo(scale * (at.left + xs[i]), scale * (at.top + 6));
      if (i == 0) host.press();
    }
    if (!xs.empty()) host.release();
    std::vector<float> written;
    for (const auto& [to, value] : host.takeWrites()) written.push_back(to == port ? value : -1.0f);
    EXPECT_EQ(written, expected) << hostValue << " then " << xs.size() << " points";
    const std::vector<UiHost::Touch> touched{{port, true, 0}, {port, false, written.size()}};
    EXPECT_EQ(host.takeTouches(), written.empty() ? std::vector<UiHost::Touch>{} : touched);
    const RgbImage screen = host.screen();
    EXPECT_TRUE(showsFrame(screen, display, shown, scale) &&
                showsFrame(screen, shown == lfoSyncFree ? panel_layout::lfoRateKnob : synced, 0, scale))
        << shown;
  }
}

// At its own size the host hears of each gesture: the grab before its first
// value, the release after its last. At twice the size it offers no touch.
TEST_P(PanelUiAtScale, GesturesGiveTheDllsValues) {
  const int scale = GetParam();
  const bool touch = scale == 1;
  UiHost host(bundle);
  ASSERT_TRUE(host.open(option(scale), touch));
  const auto play = [&](const std::vector<Point>& path) {
    host.takeWrites();
    host.takeTouches();
    host.moveTo(scale * path[0].x, scale * path[0].y);
    host.press();
    for (std::size_t i = 1; i < path.size(); ++i) host.moveTo(scale * path[i].x, scale * path[i].y);
    host.release();
    const std::vector<Move> moved = moves(host);
    std::vector<UiHost::Touch> expected;
    if (touch && !moved.empty()) {
      const auto port = static_cast<std::uint32_t>(moved[0].parameter);
      expected = {{port, true, 0}, {port, false, moved.size()}};
    }
    EXPECT_EQ(host.takeTouches(), expected) << path[0].x << "," << path[0].y;
    return moved;
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

TEST(PanelUi, AtTwiceTheSizeItShowsTheLargerPicturesWhereItsOwnSizeShowsTheirFrames) {
  UiHost host(bundle);
  for (const Case& c : cases()) {
    RgbImage shown[2];
    for (int scale : {1, 2}) {
      ASSERT_TRUE(host.open(option(scale)));
      for (std::int32_t i = 0; i < numParameters; ++i) host.portEvent(i, c.ports[i]);
      host.idle();
      shown[scale - 1] = host.screen();
    }
    EXPECT_TRUE(shown[1].pixels == doubled(shown[0]).pixels) << c.name;
  }
}

// Each source of the scale in turn, the ones before it absent; a factor the
// host cannot mean (0, not a number, far too large) gives a whole panel.
TEST(PanelUi, TheScaleComesFromTheHostThenXftDpiThenTheVariable) {
  struct Source {
    std::optional<float> option;
    const char* xftDpi;
    const char* variable;
    int scale;
  };
  const Source sources[] = {
      {2.0f, "96", "1", 2},     {1.49f, "192", "2", 1},       {1.5f, nullptr, nullptr, 2}, {{}, "192", "1", 2},
      {{}, "143", "2", 1},      {{}, "144", nullptr, 2},      {{}, nullptr, "2", 2},       {{}, "much", "1.5", 2},
      {{}, nullptr, "1.4", 1},  {{}, nullptr, nullptr, 1},    {0.0f, nullptr, "2", 2},     {NAN, nullptr, nullptr, 1},
      {-2.0f, nullptr, "2", 2}, {10.0f, nullptr, nullptr, 2},
  };
  UiHost host(bundle);
  Display* display = host.display();
  const Atom resources = XInternAtom(display, "RESOURCE_MANAGER", False);
  for (std::size_t i = 0; i < std::size(sources); ++i) {
    XDeleteProperty(display, DefaultRootWindow(display), resources);
    if (const char* dpi = sources[i].xftDpi) {
      const std::string text = std::string("Xft.antialias:\t1\nXft.dpi:\t") + dpi + "\n";
      XChangeProperty(display, DefaultRootWindow(display), resources, XA_STRING, 8, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(text.c_str()), static_cast<int>(text.size()));
    }
    XSync(display, False);
    sources[i].variable ? setenv(panelScaleVariable, sources[i].variable, 1) : unsetenv(panelScaleVariable);
    EXPECT_TRUE(host.open(sources[i].option)) << "row " << i;
    // The size it asked the host for: the pictures it loaded are of that scale.
    const RgbImage screen = host.screen();
    EXPECT_EQ(std::make_pair(screen.width, screen.height),
              std::make_pair(400 * sources[i].scale, 285 * sources[i].scale))
        << "row " << i;
  }
  XDeleteProperty(display, DefaultRootWindow(display), resources);
  unsetenv(panelScaleVariable);
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
