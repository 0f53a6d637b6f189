// Writes the golden hashes of the continuous window policy from the plain
// per-sample model, never from the optimised path: for the cases whose
// blocks are not whole windows (the others keep the DLL's hashes).
#include <cinttypes>
#include <cstdio>

#include "ReferenceRun.h"

int main(int argc, char** argv) {
  using namespace sweepfilter;
  std::FILE* out = argc > 1 ? std::fopen(argv[1], "w") : stdout;
  if (!out) return std::fprintf(stderr, "continuous_hashes: cannot write %s\n", argv[1]), 1;
  std::fprintf(
      out,
      "// Output hashes of the continuous window policy, written by \"continuous_hashes\" from the plain model.\n");
  for (const GoldenCase& c : goldenCases()) {
    if (blocksAreWholeWindows(c) || !modelCanRun(c)) continue;
    const std::uint64_t hash = hashOutput(referenceOutput(c, WindowPolicy::continuous));
    std::fprintf(out, "{\"%s\", 0x%016" PRIx64 "u},\n", c.name.c_str(), hash);
  }
  return (argc > 1 ? std::fclose(out) : std::fflush(out)) == 0 ? 0 : 1;
}
