#pragma once

#include <cstdint>
#include <iomanip>
#include <ostream>
#include <vector>

#include "Control.h"
#include "ControlListener.h"

namespace sweepfilter {

struct Report {
  std::int32_t tag;
  float value;
  bool operator==(const Report&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Report& report) {
  return out << "{tag " << report.tag << ", " << std::setprecision(9) << report.value << "}";
}

// Keeps every change a control reports, in order.
class RecordingListener : public ControlListener {
 public:
  void valueChanged(Control& control) override { reports.push_back({control.getTag(), control.getValue()}); }

  std::vector<Report> reports;
};

}  // namespace sweepfilter
