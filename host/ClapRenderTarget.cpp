#include "ClapRenderTarget.h"

#include <cstring>
#include <utility>

#include "LfoSync.h"
#include "ParameterTexts.h"
#include "PortValues.h"

namespace sweepfilter {

ClapRenderTarget::ClapRenderTarget(const ClapLibrary& library, HostedPlugin& hosted, RenderOptions options)
    : hosted(hosted),
      presets(library.discoverPresets()),
      loadedName(hosted.plugin()->desc->name),
      options(std::move(options)) {}

std::int32_t ClapRenderTarget::channels(bool input) const {
  const auto* ports = hosted.extension<clap_plugin_audio_ports>(CLAP_EXT_AUDIO_PORTS);
  clap_audio_port_info info;
  if (!ports || ports->count(hosted.plugin(), input) == 0 || !ports->get(hosted.plugin(), 0, input, &info)) return 0;
  return static_cast<std::int32_t>(info.channel_count);
}

std::vector<std::string> ClapRenderTarget::parameterNames() const {
  std::vector<std::string> names;
  const auto* params = hosted.extension<clap_plugin_params>(CLAP_EXT_PARAMS);
  clap_param_info info;
  for (std::uint32_t i = 0; params && i < params->count(hosted.plugin()); ++i)
    names.emplace_back(params->get_info(hosted.plugin(), i, &info) ? info.name : "");
  return names;
}

std::string ClapRenderTarget::start(float sampleRate, std::int32_t blockSize, OutputRule rule,
                                    std::optional<std::int32_t> program, const std::vector<ResolvedSetting>& settings) {
  if (rule == OutputRule::accumulate) return "a CLAP plug-in has no accumulating process (--accumulate)";
  if (program) {
    const ClapLibrary::Preset& preset = presets[static_cast<std::size_t>(*program)];
    const auto* load = hosted.extension<clap_plugin_preset_load>(CLAP_EXT_PRESET_LOAD);
    if (!load ||
        !load->from_location(hosted.plugin(), preset.locationKind,
                             preset.location.empty() ? nullptr : preset.location.c_str(), preset.loadKey.c_str()))
      return "the plug-in does not load its preset \"" + preset.name + "\"";
    loadedName = preset.name;
  }
  const clap_plugin_params& params = hosted.params();
  for (const ResolvedSetting& setting : settings) {
    clap_param_info info;
    if (!params.get_info(hosted.plugin(), static_cast<std::uint32_t>(setting.index), &info)) continue;
    if (std::strcmp(info.name, parameterName(setting.index)) != 0)
      return "--set " + std::string(info.name) + ": the plug-in's parameters are not the effect's";
    hosted.queueValue(info.id, closestPortValue(setting.index, setting.value));
  }
  if (options.sync) {
    const auto setting = lfoSyncOfText(*options.sync);
    clap_param_info info;
    if (!setting)
      return "--sync: '" + *options.sync + "' is not a setting of \"LFO sync\" (FREE, 1/32 … 1/2D, 1 BAR … 8 BARS)";
    if (!params.get_info(hosted.plugin(), static_cast<std::uint32_t>(lfoSyncId), &info) ||
        std::strcmp(info.name, lfoSyncName) != 0)
      return "--sync: the plug-in has no \"LFO sync\"";
    hosted.queueValue(info.id, *setting);
  }
  if (options.tempo)
    song = SongTransport{*options.tempo, options.beatsPerBar, options.beatUnit, options.startBeat, sampleRate};
  if (!hosted.activate(sampleRate, static_cast<std::uint32_t>(blockSize)))
    return "the plug-in cannot run at " + std::to_string(static_cast<long>(sampleRate)) + " Hz";
  return {};
}

void ClapRenderTarget::process(OutputRule, float** inputs, float** outputs, std::int32_t frames) {
  const auto transport = song ? std::optional(song->at(framesDone)) : std::nullopt;
  hosted.process(inputs, outputs, static_cast<std::uint32_t>(frames), transport ? &*transport : nullptr);
  framesDone += frames;
}

}  // namespace sweepfilter
