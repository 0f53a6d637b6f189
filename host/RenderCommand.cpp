#include <cstdio>

#include "Commands.h"
#include "PluginLibrary.h"
#include "Render.h"
#ifdef SWEEPFILTER_CLAP_HOST
#include "ClapRenderTarget.h"
#endif

namespace sweepfilter {

namespace {
// Files longer than this show their progress.
constexpr std::uint64_t longFileSeconds = 30;

// Prints "rendering  37%" over itself on stderr, once per percent.
class ProgressPrinter {
 public:
  void operator()(const RenderProgress& p) {
    if (p.framesTotal < longFileSeconds * p.sampleRate) return;
    const int percent = static_cast<int>(p.framesDone * 100 / p.framesTotal);
    if (percent == shown_) return;
    shown_ = percent;
    std::fprintf(stderr, "\rrendering %3d%%%s", percent, p.framesDone == p.framesTotal ? "\n" : "");
  }

 private:
  int shown_ = -1;
};

const char* formatName(SampleFormat format) {
  switch (format) {
    case SampleFormat::pcm16:
      return "16-bit PCM";
    case SampleFormat::pcm24:
      return "24-bit PCM";
    case SampleFormat::pcm32:
      return "32-bit PCM";
    case SampleFormat::float32:
      return "32-bit float";
  }
  return "";
}

int renderThrough(RenderTarget& target, const RenderOptions& options) {
  std::uint64_t frames = 0;
  const std::string failure =
      renderFile(target, options, [&frames, printer = ProgressPrinter()](const RenderProgress& p) mutable {
        frames = p.framesDone;
        printer(p);
      });
  const std::string program = target.programName();
  if (!failure.empty()) {
    std::fprintf(stderr, "plughost render: %s\n", failure.c_str());
    return 1;
  }
  std::printf("%s: %llu frames through \"%s\", %s\n", options.output.c_str(), static_cast<unsigned long long>(frames),
              program.c_str(), formatName(options.format));
  return 0;
}

#ifdef SWEEPFILTER_CLAP_HOST
int renderThroughClap(const RenderOptions& options) {
  const ClapLibrary library(options.plugin);
  HostedPlugin hosted(library);
  if (const std::string error = hostingError(library, hosted, options.plugin); !error.empty()) {
    std::fprintf(stderr, "plughost: %s\n", error.c_str());
    return 1;
  }
  ClapRenderTarget target(library, hosted, options);
  return renderThrough(target, options);
}
#endif
}  // namespace

int runRender(const Arguments& args) {
  std::string error;
  const auto options = parseRenderOptions(args, error);
  if (!options) {
    std::fprintf(stderr, "plughost render: %s\n", error.c_str());
    return 2;
  }
#ifdef SWEEPFILTER_CLAP_HOST
  if (isClapFile(options->plugin)) return renderThroughClap(*options);
#endif
  if (options->tempo || options->sync) {
    std::fprintf(stderr, "plughost render: only .clap files follow a tempo (--tempo, --sync, \"LFO sync\")\n");
    return 2;
  }
  PluginLibrary library(options->plugin);
  const PluginInstance instance = library.createInstance();
  if (!instance) {
    std::fprintf(stderr, "plughost: %s\n", library.error().c_str());
    return 1;
  }
  DllRenderTarget target(instance);
  return renderThrough(target, *options);
}

}  // namespace sweepfilter
