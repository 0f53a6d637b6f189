#pragma once

#include <cstdint>

namespace sweepfilter {

// What the panel needs from whoever shows it (the DLL's editor, or another
// door's): each parameter's normalised value, and the user's moves.
class PanelOwner {
 public:
  // The value the parameter's control shows, 0 to 1.
  virtual float parameterValue(std::int32_t index) = 0;
  // The user moved the parameter's control to `value`, in the middle of a drag.
  virtual void userMoved(std::int32_t index, float value) = 0;

 protected:
  ~PanelOwner() = default;
};

}  // namespace sweepfilter
