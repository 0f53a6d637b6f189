#include <cstdio>

#include "Commands.h"
#include "PluginLibrary.h"

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
}  // namespace

int runInfo(const Arguments& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: plughost info PLUGIN.dll\n");
    return 2;
  }
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
