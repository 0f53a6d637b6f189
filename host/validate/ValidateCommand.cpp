#include <cstdio>
#include <cstdlib>
#include <optional>

#include "Checks.h"
#include "CommandLine.h"
#include "Commands.h"
#include "CrashReport.h"
#include "PluginInstance.h"

namespace sweepfilter {

namespace {
struct Options {
  std::string plugin;
  std::uint32_t seed = 1;
  bool quick = false;
};

std::optional<std::uint32_t> parseSeed(const std::string& text) {
  char* end = nullptr;
  const unsigned long long value = std::strtoull(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || text[0] == '-' || value > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

// Answers the options, or nothing after a one-line message.
std::optional<Options> parse(const Arguments& args) {
  std::string error;
  const auto line = splitCommandLine(args, {"--seed"}, {"--quick"}, error);
  std::optional<Options> options;
  if (line && expectFiles(*line, 1, "validate PLUGIN.dll [--seed N] [--quick]", error)) {
    options.emplace();
    options->plugin = line->files[0];
    for (const auto& [name, value] : line->options) {
      if (name == "--quick") {
        options->quick = true;
      } else if (const std::optional<std::uint32_t> seed = parseSeed(value)) {
        options->seed = *seed;
      } else {
        error = "--seed takes a whole number from 0 to 4294967295, not '" + value + "'";
        options.reset();
        break;
      }
    }
  }
  if (!options) std::fprintf(stderr, "plughost validate: %s\n", error.c_str());
  return options;
}

HMODULE moduleOf(const PluginDescriptor* d) {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(reinterpret_cast<void*>(d->dispatchEntry)), &module);
  return module;
}
}  // namespace

int runValidate(const Arguments& args) {
  const std::optional<Options> options = parse(args);
  if (!options) return 2;

  PluginLibrary library(options->plugin);
  PluginInstance first = library.createInstance();
  if (!first) {
    std::fprintf(stderr, "plughost: %s\n", library.error().c_str());
    return 1;
  }
  const PluginDescriptor* d = first.descriptor();
  ValidationContext context{library,
                            moduleOf(d),
                            options->seed,
                            options->quick,
                            (d->flags & flagHasEditor) != 0,
                            d->parameterCount,
                            d->programCount,
                            std::mt19937(options->seed)};
  first.close();
  if (context.parameterCount <= 0 || context.programCount <= 0) {
    std::fprintf(stderr, "plughost: the plug-in declares %d parameters and %d programs; nothing to validate\n",
                 context.parameterCount, context.programCount);
    return 1;
  }

  std::printf("validate %s: seed %u, %s run, %d parameters, %d programs, %s\n", options->plugin.c_str(), options->seed,
              options->quick ? "quick" : "full", context.parameterCount, context.programCount,
              context.hasEditor ? "with editor" : "no editor");
  reportCrashesAsFailures();
  CheckRunner runner(options->quick ? 120 : 600);
  for (auto group : {instanceChecks, dispatcherChecks, rateAndBlockChecks, automationChecks, contentChecks,
                     allocationChecks, threadChecks, editorChecks})
    group(runner, context);
  return runner.finish();
}

}  // namespace sweepfilter
