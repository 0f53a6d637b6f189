#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "Canvas.h"
#include "FilmStripKnob.h"
#include "FlipToggle.h"
#include "MultiPositionSwitch.h"
#include "OnOffButton.h"
#include "StripDisplay.h"
#include "TestBitmapIds.h"
#include "TestWindow.h"
#include "VerticalSwitch.h"

namespace sweepfilter {

namespace {

constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();

PanelBitmap& loaded(std::uint16_t id) {
  static PanelBitmap knobStrip(TEST_KNOB_STRIP);
  static PanelBitmap switchStrip(TEST_SWITCH_STRIP);
  static PanelBitmap selectorStrip(TEST_SELECTOR_STRIP);
  return id == TEST_KNOB_STRIP ? knobStrip : id == TEST_SWITCH_STRIP ? switchStrip : selectorStrip;
}

// Every control below draws one frame of its picture into a rectangle of the frame's width.
struct FrameCase {
  std::string control;
  std::function<std::unique_ptr<Control>(const Rect&)> make;
  std::uint16_t picture;
  std::int32_t frameHeight;
  float value;
  std::int32_t row;  // the picture row the drawing should start from
  std::optional<float> stored;
};

void expectShown(const FrameCase& c) {
  const Canvas& strip = picture(c.picture);
  const Rect rect(5, 5, 5 + strip.width(), 5 + c.frameHeight);
  std::unique_ptr<Control> control = c.make(rect);
  control->setValue(c.value);
  Canvas canvas(strip.width() + 10, c.frameHeight + 10);
  {
    CountingOwner owner;
    DrawContext context(owner, canvas.dc(), nullptr);
    control->draw(context);
  }
  EXPECT_EQ(
      firstDifference(canvas, rect, [&](int x, int y) { return strip.pixel(x - rect.left, y - rect.top + c.row); }), "")
      << c.control << " at value " << c.value << " should show row " << c.row;
  if (c.stored) {
    EXPECT_EQ(control->getValue(), *c.stored) << c.control << " at value " << c.value;
  }
}

TEST(StripDrawing, FilmStripsShowTheFrameForTheirValueAndTheLastFrameBeyondIt) {
  const auto knob = [](const Rect& r) {
    return std::make_unique<FilmStripKnob>(r, nullptr, 0, 30, 67, &loaded(TEST_KNOB_STRIP), Point(r.left, r.top));
  };
  const auto display = [](const Rect& r) {
    return std::make_unique<StripDisplay>(r, nullptr, 0, 30, 67, &loaded(TEST_KNOB_STRIP), Point());
  };
  const auto twoFrames = [](const Rect& r) {
    return std::make_unique<StripDisplay>(r, nullptr, 0, 2, 16, &loaded(TEST_SWITCH_STRIP), Point());
  };
  const std::vector<FrameCase> cases = {
      {"knob", knob, TEST_KNOB_STRIP, 67, 0.0f, 0, {}},
      {"knob", knob, TEST_KNOB_STRIP, 67, 0.5f, 14 * 67, {}},
      {"knob", knob, TEST_KNOB_STRIP, 67, 0.999f, 28 * 67, {}},
      {"knob", knob, TEST_KNOB_STRIP, 67, 1.0f, 29 * 67, {}},
      // 66.99999… rows truncate into the first frame.
      {"knob", knob, TEST_KNOB_STRIP, 67, 1.0f / 29, 0, {}},
      {"knob", knob, TEST_KNOB_STRIP, 67, -0.5f, 0, {}},
      {"knob", knob, TEST_KNOB_STRIP, 67, notANumber, 0, {}},
      {"knob", knob, TEST_KNOB_STRIP, 67, 1.5f, 29 * 67, 1.5f},
      {"knob", knob, TEST_KNOB_STRIP, 67, 1e30f, 29 * 67, {}},
      {"strip display", display, TEST_KNOB_STRIP, 67, 0.0f, 0, {}},
      {"strip display", display, TEST_KNOB_STRIP, 67, 0.01f, 0, {}},
      {"strip display", display, TEST_KNOB_STRIP, 67, 0.5f, 14 * 67, {}},
      {"strip display", display, TEST_KNOB_STRIP, 67, 1.0f, 29 * 67, {}},
      {"strip display", display, TEST_KNOB_STRIP, 67, 1.5f, 29 * 67, 1.0f},
      {"two-frame display", twoFrames, TEST_SWITCH_STRIP, 16, 0.49f, 0, {}},
      {"two-frame display", twoFrames, TEST_SWITCH_STRIP, 16, 0.5f, 16, {}},
  };
  for (const FrameCase& c : cases) expectShown(c);
}

float above(float bound) { return std::nextafter(bound, 2.0f); }
float below(float bound) { return std::nextafter(bound, -1.0f); }

TEST(StripDrawing, SwitchesAndButtonsChangeFrameExactlyAtTheirThresholds) {
  std::vector<FrameCase> cases;
  const std::vector<std::vector<float>> bounds = {
      {0.5f}, {0.33f, 0.66f}, {0.25f, 0.5f, 0.75f}, {0.2f, 0.4f, 0.6f, 0.8f}};
  for (int positions = 2; positions <= 5; ++positions) {
    const auto make = [positions](const Rect& r) {
      return std::make_unique<MultiPositionSwitch>(r, nullptr, 0, 5, 16, positions, &loaded(TEST_SWITCH_STRIP),
                                                   Point());
    };
    const std::string name = std::to_string(positions) + "-position switch";
    const std::vector<float>& limits = bounds[positions - 2];
    for (size_t i = 0; i < limits.size(); ++i) {
      const auto frame = static_cast<std::int32_t>(i);
      cases.push_back({name, make, TEST_SWITCH_STRIP, 16, limits[i], frame * 16, {}});
      cases.push_back({name, make, TEST_SWITCH_STRIP, 16, above(limits[i]), (frame + 1) * 16, {}});
    }
    cases.push_back({name, make, TEST_SWITCH_STRIP, 16, notANumber, 0, {}});
    cases.push_back({name, make, TEST_SWITCH_STRIP, 16, 2.0f, (positions - 1) * 16, {}});
  }
  const auto sixPositions = [](const Rect& r) {
    return std::make_unique<MultiPositionSwitch>(r, nullptr, 0, 5, 16, 6, &loaded(TEST_SWITCH_STRIP), Point());
  };
  cases.push_back({"6-position switch", sixPositions, TEST_SWITCH_STRIP, 16, 0.9f, 0, {}});

  const auto vertical = [](int positions) {
    return [positions](const Rect& r) {
      return std::make_unique<VerticalSwitch>(r, nullptr, 0, 5, 16, positions, &loaded(TEST_SWITCH_STRIP), Point());
    };
  };
  for (const auto& [value, frame] : std::vector<std::pair<float, std::int32_t>>{
           {0.33f, 0}, {above(0.33f), 1}, {below(0.66f), 1}, {0.66f, 2}, {notANumber, 0}})
    cases.push_back({"3-position vertical switch", vertical(3), TEST_SWITCH_STRIP, 16, value, frame * 16, {}});
  cases.push_back({"2-position vertical switch", vertical(2), TEST_SWITCH_STRIP, 16, 0.5f, 0, {}});
  cases.push_back({"2-position vertical switch", vertical(2), TEST_SWITCH_STRIP, 16, above(0.5f), 16, {}});
  cases.push_back({"4-position vertical switch", vertical(4), TEST_SWITCH_STRIP, 16, 0.9f, 0, {}});

  const auto button = [](const Rect& r) {
    return std::make_unique<OnOffButton>(r, nullptr, 0, 16, &loaded(TEST_SWITCH_STRIP), Point());
  };
  for (const auto& [value, frame, stored] : std::vector<std::tuple<float, std::int32_t, float>>{
           {0.0f, 0, 0.0f}, {0.001f, 1, 0.001f}, {1.0f, 1, 1.0f}, {2.0f, 1, 1.0f}, {-1.0f, 0, 0.0f}})
    cases.push_back({"on/off button", button, TEST_SWITCH_STRIP, 16, value, frame * 16, stored});

  const auto toggle = [](const Rect& r) {
    return std::make_unique<FlipToggle>(r, nullptr, 0, &loaded(TEST_SELECTOR_STRIP));
  };
  // Its frames are the picture's halves: 222 rows split at 111.
  cases.push_back({"flip toggle", toggle, TEST_SELECTOR_STRIP, 74, 0.0f, 0, {}});
  cases.push_back({"flip toggle", toggle, TEST_SELECTOR_STRIP, 74, 1.0f, 111, {}});

  for (const FrameCase& c : cases) expectShown(c);
}

}  // namespace

}  // namespace sweepfilter
