#include "FactoryPrograms.h"

namespace sweepfilter {

// Values in parameter index order: Input, Resonance, Cutoff, Leveltrack,
// LFO freq., LFO wave, LFO trigger, CUT freq., Track dest., Soft/Hard, Mode, Output.
const FactoryProgram factoryPrograms[numPrograms] = {
    {"slow LFO only", {1.0f, 0.53f, 0.52f, 1.0f, 0.0f, 1.0f, 0.66f, 0.0f, 0.0f, 0.0f, 0.0f, 0.72f}},
    {"fast LFO only", {1.0f, 0.53f, 0.52f, 0.35f, 1.0f, 1.0f, 0.66f, 0.0f, 0.0f, 0.0f, 0.0f, 0.72f}},
    {"medium leveltracking", {1.0f, 1.0f, 0.29f, 0.48f, 0.0f, 1.0f, 0.0f, 0.0f, 0.66f, 0.0f, 0.0f, 0.71f}},
    {"large leveltracking", {1.0f, 1.0f, 0.28f, 1.0f, 0.2f, 1.0f, 0.0f, 0.0f, 0.66f, 0.0f, 0.0f, 0.7f}},
    {"medium LFO, medium tracking", {1.0f, 0.86f, 0.73f, 0.32f, 0.23f, 1.0f, 0.66f, 0.0f, 0.66f, 0.0f, 1.0f, 0.74f}},
};

}  // namespace sweepfilter
