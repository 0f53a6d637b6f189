#pragma once

namespace sweepfilter {

class Control;

// Told, on the panel window's thread and in the middle of a drag, that the
// user changed a control's value. It may set values into any control; they
// show at the next update. It must not delete the control or its frame.
class ControlListener {
 public:
  virtual void valueChanged(Control& control) = 0;

 protected:
  ~ControlListener() = default;
};

}  // namespace sweepfilter
