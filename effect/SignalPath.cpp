#include "SignalPath.h"

void SignalPath::processBlock(const ParameterValues&, float, float**, float**, std::int32_t, OutputRule) {}
