#pragma once

#include "EditorOptions.h"

namespace sweepfilter {

// plughost editor for a CLAP plug-in, once its options are parsed: the exit code.
int runClapEditor(const EditorOptions& options);

}  // namespace sweepfilter
