#pragma once

#include <string>
#include <vector>

namespace sweepfilter {

// Each command takes its arguments (after the command name) and returns the
// process exit code. Errors are reported on stderr in one line.
using Arguments = std::vector<std::string>;

int runInfo(const Arguments& args);
int runRender(const Arguments& args);
int runEditor(const Arguments& args);
int runValidate(const Arguments& args);

}  // namespace sweepfilter
