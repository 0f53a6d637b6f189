#include <cstdio>
#include <cstring>

#include "Commands.h"

namespace sweepfilter {
namespace {
struct Command {
  const char* name;
  int (*run)(const Arguments&);
  const char* usage;
};

const Command commands[] = {
    {"info", runInfo, "info PLUGIN.dll|.clap           descriptor, parameters and programs"},
    {"render", runRender,
     "render PLUGIN.dll|.clap IN.wav OUT.wav  a WAV file through the plug-in (more: plughost render)"},
    {"editor", runEditor,
     "editor PLUGIN.dll|.clap [--screenshot FILE.bmp]  its panel in a window (more: plughost editor)"},
#ifdef _WIN32
    {"validate", runValidate, "validate PLUGIN.dll [--seed N] [--quick]  checks it as a hostile host would"},
#endif
};

int usage(std::FILE* to, int status) {
  std::fprintf(to, "usage: plughost COMMAND ...\n");
  for (const Command& c : commands) std::fprintf(to, "  plughost %s\n", c.usage);
  return status;
}

bool asksForHelp(const char* word) {
  return std::strcmp(word, "--help") == 0 || std::strcmp(word, "-h") == 0 || std::strcmp(word, "help") == 0;
}
}  // namespace
}  // namespace sweepfilter

int main(int argc, char** argv) {
  using namespace sweepfilter;
  if (argc < 2) return usage(stderr, 2);
  if (asksForHelp(argv[1])) return usage(stdout, 0);
  for (const Command& c : commands)
    if (std::strcmp(argv[1], c.name) == 0) return c.run(Arguments(argv + 2, argv + argc));
  std::fprintf(stderr, "plughost: unknown command '%s'\n", argv[1]);
  return usage(stderr, 2);
}
