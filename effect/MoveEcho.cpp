#include "MoveEcho.h"

#include "PortValues.h"

namespace sweepfilter {

bool isEchoOfMove(std::int32_t index, float shown, double hostValue) {
  return portValueForMove(index, shown) == hostValue;
}

}  // namespace sweepfilter
