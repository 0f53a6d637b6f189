#include "ValidatorWindows.h"

#include "CheckRunner.h"

namespace sweepfilter {

EditorHolder editorHolderIn(const ValidatorFrame& frame, int width, int height) {
  EditorHolder window(frame.handle(), width, height);
  if (!window.handle())
    abortCheck(formatText("the validator could not make a host window (error %lu)", GetLastError()));
  return window;
}

}  // namespace sweepfilter
