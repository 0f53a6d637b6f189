#pragma once

#include "ClapHost.h"
#include "RenderOptions.h"
#include "RenderTarget.h"
#include "SongTransport.h"

namespace sweepfilter {

// A CLAP plug-in rendering a file as plughost renders through a DLL. Its
// programs are the presets its discovery factory declares, in their order;
// --set takes the DLL's 0-to-1 values as the DLL means them (a switch by the
// DLL's thresholds, a continuous value to the same float) and gives the
// plug-in the value of its own unit that means that, so that one command
// line renders the same through either kind of plug-in. With a tempo, each
// block's process carries the song's transport at its first frame.
class ClapRenderTarget : public RenderTarget {
 public:
  // `options`: render's song and "LFO sync", if any.
  ClapRenderTarget(const ClapLibrary& library, HostedPlugin& hosted, RenderOptions options = {});

  std::int32_t inputCount() const override { return channels(true); }
  std::int32_t outputCount() const override { return channels(false); }
  std::vector<std::string> parameterNames() const override;
  std::int32_t programCount() const override { return static_cast<std::int32_t>(presets.size()); }
  std::string start(float sampleRate, std::int32_t blockSize, OutputRule rule, std::optional<std::int32_t> program,
                    const std::vector<ResolvedSetting>& settings) override;
  void process(OutputRule rule, float** inputs, float** outputs, std::int32_t frames) override;
  void stop() override { hosted.deactivate(); }
  std::string programName() const override { return loadedName; }

 private:
  std::int32_t channels(bool input) const;

  HostedPlugin& hosted;
  std::vector<ClapLibrary::Preset> presets;
  std::string loadedName;
  RenderOptions options;
  std::optional<SongTransport> song;  // from start, with a tempo
  std::int64_t framesDone = 0;
};

}  // namespace sweepfilter
