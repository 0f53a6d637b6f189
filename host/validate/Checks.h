#pragma once

#include "CheckRunner.h"
#include "ValidationContext.h"

namespace sweepfilter {

// The check groups, one file each, in the order the validator runs them.
void instanceChecks(CheckRunner& runner, ValidationContext& context);
void dispatcherChecks(CheckRunner& runner, ValidationContext& context);
void rateAndBlockChecks(CheckRunner& runner, ValidationContext& context);
void automationChecks(CheckRunner& runner, ValidationContext& context);
void contentChecks(CheckRunner& runner, ValidationContext& context);
void allocationChecks(CheckRunner& runner, ValidationContext& context);
void threadChecks(CheckRunner& runner, ValidationContext& context);
void editorChecks(CheckRunner& runner, ValidationContext& context);

}  // namespace sweepfilter
