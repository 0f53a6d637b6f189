#include <cstdio>

#include "Commands.h"
#include "PluginLibrary.h"
#ifdef SWEEPFILTER_CLAP_HOST
#include "ClapRenderTarget.h"
#endif

namespace sweepfilter {

namespace {
std::string fourChars(std::int32_t code) {
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) {
    const char c = static_cast<char>((code >> shift) & 0xFF);
    text += (c >= 32 && c < 127) ? c : '?';
  }
  return text;
}

void printDescriptor(const PluginDescriptor* d) {
  std::printf("descriptor\n");
  std::printf("  magic            0x%08X \"%s\"\n", static_cast<unsigned>(d->magic), fourChars(d->magic).c_str());
  std::printf("  programCount     %d\n", d->programCount);
  std::printf("  parameterCount   %d\n", d->parameterCount);
  std::printf("  inputCount       %d\n", d->inputCount);
  std::printf("  outputCount      %d\n", d->outputCount);
  std::printf("  flags            %d\n", d->flags);
  std::printf("  hostFloat        %g\n", static_cast<double>(d->hostFloat));
  std::printf("  effectId         0x%08X \"%s\"\n", static_cast<unsigned>(d->effectId), fourChars(d->effectId).c_str());
  std::printf("  effectVersion    %d\n", d->effectVersion);
}

void printParameters(const PluginInstance& instance) {
  std::printf("parameters\n");
  for (std::int32_t i = 0; i < instance.descriptor()->parameterCount; ++i) {
    const float value = instance.get(i);
    std::printf("  %2d  %-12s label \"%s\"  value %.6g  text \"%s\"\n", i, instance.parameterName(i).c_str(),
                instance.parameterLabel(i).c_str(), static_cast<double>(value), instance.parameterText(i).c_str());
  }
}

void printPrograms(const PluginInstance& instance) {
  std::printf("programs\n");
  for (std::int32_t p = 0; p < instance.descriptor()->programCount; ++p) {
    instance.selectProgram(p);
    std::printf("  %d  \"%s\"\n", p, instance.programName().c_str());
  }
  instance.selectProgram(0);
}

#ifdef SWEEPFILTER_CLAP_HOST
// A CLAP plug-in has no descriptor record: its descriptor's texts and ports,
// each parameter in its own units, and its presets as the programs.
void printClapInfo(const ClapLibrary& library, const HostedPlugin& hosted, ClapRenderTarget& target) {
  const clap_plugin_descriptor* d = hosted.plugin()->desc;
  std::printf("descriptor\n");
  std::printf("  id               \"%s\"\n", d->id);
  std::printf("  name             \"%s\"\n", d->name);
  std::printf("  vendor           \"%s\"\n", d->vendor ? d->vendor : "");
  std::printf("  version          \"%s\"\n", d->version ? d->version : "");
  std::printf("  inputCount       %d\n", target.inputCount());
  std::printf("  outputCount      %d\n", target.outputCount());
  std::printf("parameters\n");
  const clap_plugin_params& params = hosted.params();
  for (std::uint32_t i = 0; i < params.count(hosted.plugin()); ++i) {
    clap_param_info info{};
    if (!params.get_info(hosted.plugin(), i, &info)) continue;
    const double value = hosted.value(info.id);
    char text[64] = "";
    params.value_to_text(hosted.plugin(), info.id, value, text, sizeof text);
    std::printf("  %2u  %-12s range %g to %g%s  value %.6g  text \"%s\"\n", info.id, info.name, info.min_value,
                info.max_value, info.flags & CLAP_PARAM_IS_STEPPED ? " stepped" : "", value, text);
  }
  std::printf("programs\n");
  const std::vector<ClapLibrary::Preset> presets = library.discoverPresets();
  for (std::size_t p = 0; p < presets.size(); ++p) std::printf("  %zu  \"%s\"\n", p, presets[p].name.c_str());
}

int clapInfo(const std::string& path) {
  const ClapLibrary library(path);
  HostedPlugin hosted(library);
  if (const std::string error = hostingError(library, hosted, path); !error.empty()) {
    std::fprintf(stderr, "plughost: %s\n", error.c_str());
    return 1;
  }
  ClapRenderTarget target(library, hosted);
  printClapInfo(library, hosted, target);
  return 0;
}
#endif
}  // namespace

int runInfo(const Arguments& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: plughost info PLUGIN.dll|.clap\n");
    return 2;
  }
#ifdef SWEEPFILTER_CLAP_HOST
  if (isClapFile(args[0])) return clapInfo(args[0]);
#endif
  PluginLibrary library(args[0]);
  const PluginInstance instance = library.createInstance();
  if (!instance) {
    std::fprintf(stderr, "plughost: %s\n", library.error().c_str());
    return 1;
  }
  printDescriptor(instance.descriptor());
  printParameters(instance);
  printPrograms(instance);
  return 0;
}

}  // namespace sweepfilter
