// The CLAP door's threads as a host drives them: the audio thread processes
// while the main thread loads states and presets, clicks the panel's controls
// and opens and closes it, and now and then has the audio stopped to set
// values through flush; its output queue refuses every other event. Every
// block starts from a fresh signal state, so its output tells which settings
// it ran with: after a load, each must be one whole factory program's, or
// one whole state's, "LFO sync" included. Built
// natively and under ThreadSanitizer, which fails the run on any data race.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <optional>
#include <random>
#include <thread>

#include "ClapPanelHost.h"
#include "FactoryPrograms.h"
#include "PanelLayout.h"
#include "ParameterTable.h"
#include "SignalTestSupport.h"

namespace sweepfilter {
namespace {

constexpr std::uint32_t frames = 576;
using Block = std::array<float, 2 * frames>;

Block freshBlock(HostedPlugin& hosted, const std::vector<float>& input) {
  Block out{};
  hosted.plugin()->reset(hosted.plugin());
  float* inputs[2] = {const_cast<float*>(input.data()), const_cast<float*>(input.data() + frames)};
  float* outputs[2] = {out.data(), out.data() + frames};
  hosted.process(inputs, outputs, frames);
  return out;
}

TEST(Concurrency, ClapDoorLoadsWholeSetsWhileTheAudioThreadPlays) {
  ClapLibrary library(SWEEPFILTER_CLAP_FILE);
  HostedPlugin hosted(library);
  ASSERT_NE(hosted.plugin(), nullptr) << library.error();
  const clap_plugin* plugin = hosted.plugin();
  const auto* presets = hosted.extension<clap_plugin_preset_load>(CLAP_EXT_PRESET_LOAD);
  auto loadProgram = [&](std::int32_t program) {
    return presets->from_location(plugin, CLAP_PRESET_DISCOVERY_LOCATION_PLUGIN, nullptr,
                                  std::to_string(program).c_str());
  };
  constexpr double rate = 44100.0;
  ASSERT_TRUE(hosted.activate(rate));
  const std::vector<float> input = noise(2 * frames, 5);
  std::vector<Block> sounds;
  std::vector<std::vector<unsigned char>> states;
  // The presets run free; each program's state carries an "LFO sync" of its
  // own, which sounds unlike the others', so a load's values and setting must
  // arrive together.
  for (std::int32_t program = 0; program < numPrograms; ++program) {
    ASSERT_TRUE(loadProgram(program));
    sounds.push_back(freshBlock(hosted, input));
    hosted.queueValue(lfoSyncId, 1.0 + 3.0 * program);
    hosted.flush();
    states.push_back(hosted.save());
    sounds.push_back(freshBlock(hosted, input));
  }
  std::optional<ClapPanelHost> panel;
  try {
    panel.emplace(hosted);
  } catch (const std::exception&) {
    std::printf("No display: the panel's part is skipped (run under tools/with-display.sh)\n");
  }
  hosted.refusal = HostedPlugin::Refusal::everyOther;

  // Odd while values change otherwise than as whole sets (flush, panel); a
  // block is checked when it was even and the same before and after it.
  std::atomic<unsigned> phase{0}, blocks{0}, checked{0}, mixed{0};
  std::atomic<bool> stop{false}, pause{false}, paused{false};
  std::thread audio([&] {
    while (!stop) {
      if (pause) {
        plugin->stop_processing(plugin);
        paused = true;
        while (pause && !stop) std::this_thread::yield();
        paused = false;
        plugin->start_processing(plugin);
      }
      const unsigned before = phase;
      const Block out = freshBlock(hosted, input);
      if (before % 2 == 0 && phase == before)
        ++(std::find(sounds.begin(), sounds.end(), out) == sounds.end() ? mixed : checked);
      ++blocks;
    }
  });
  // Ends the audio thread however the test ends.
  struct Joined {
    std::atomic<bool>& stop;
    std::thread& thread;
    ~Joined() {
      stop = true;
      if (thread.joinable()) thread.join();
    }
  } joined{stop, audio};
  auto waitForBlocks = [&](unsigned count) {
    for (const unsigned from = blocks; blocks - from < count;) std::this_thread::yield();
  };

  std::mt19937 random(7);
  std::vector<HostedPlugin::SentEvent> sent;
  const Rect& button = panel_layout::modeButton.rect;
  for (int round = 0; round < 2000; ++round) {
    ++phase;
    if (round % 25 == 0) {
      pause = true;
      while (!paused) std::this_thread::yield();
      plugin->deactivate(plugin);
      for (clap_id id = 0; id < numParameters; ++id) hosted.queueValue(id, parameterTable[id].shownMinimum);
      for (const auto& event : hosted.flush()) sent.push_back(event);
      ASSERT_TRUE(plugin->activate(plugin, rate, 1, frames));
      pause = false;
    }
    if (panel && round % 10 == 0) {
      if (round % 200 == 0) {
        ASSERT_TRUE(panel->open());
      }
      panel->movePointer((button.left + button.right) / 2, (button.top + button.bottom) / 2);
      panel->pressButton();
      panel->pump();
      panel->releaseButton();
      panel->pump();
      if (round % 200 == 190) panel->close();
    }
    for (int load = 0; load < 16; ++load) {
      const auto program = static_cast<std::int32_t>(random() % numPrograms);
      ASSERT_TRUE(load % 2 ? hosted.load(states[program], 1 + random() % 16) : loadProgram(program));
      // Checked once the audio has this first whole set, not what came before it.
      if (load == 0) {
        waitForBlocks(2);
        ++phase;
      }
    }
    waitForBlocks(2);
  }
  stop = true;
  audio.join();
  EXPECT_EQ(mixed, 0u) << "blocks that ran with some old and some new settings, of " << checked;
  EXPECT_GE(checked, 2000u);

  // What the panel sent reaches the host whole, however often it refused.
  hosted.deactivate();
  for (int more = 0; more < 4; ++more)
    for (const auto& event : hosted.flush()) sent.push_back(event);
  int open = 0, begins = 0;
  for (const auto& event : sent) {
    begins += event.type == CLAP_EVENT_PARAM_GESTURE_BEGIN;
    open += event.type == CLAP_EVENT_PARAM_GESTURE_BEGIN ? 1 : event.type == CLAP_EVENT_PARAM_GESTURE_END ? -1 : 0;
    ASSERT_TRUE(open == 0 || open == 1) << "a begin inside a gesture or an end outside one";
  }
  EXPECT_EQ(open, 0);
  if (panel) {
    EXPECT_GE(begins, 50) << "the clicks did not reach the host";
  }
}

}  // namespace
}  // namespace sweepfilter
