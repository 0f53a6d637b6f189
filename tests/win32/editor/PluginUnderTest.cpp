#include "PluginUnderTest.h"

#include <iomanip>

#include "InstanceUnderTest.h"
#include "PluginLibrary.h"

namespace sweepfilter {

namespace {
// Reports of every instance not yet taken by their own instance.
std::vector<ReportedChange>& waitingReports() {
  static std::vector<ReportedChange> waiting;
  return waiting;
}

void collectReports() {
  for (const ReportedChange& change : HostCallbackLog::takeChanges()) waitingReports().push_back(change);
}
}  // namespace

std::ostream& operator<<(std::ostream& out, const Report& report) {
  return out << "{parameter " << report.index << ", " << std::setprecision(9) << report.value << "}";
}

PluginInstance pluginUnderTest() {
  PluginInstance instance = instanceUnderTest();
  // Reports left by a closed instance whose descriptor lived at the same address are not this one's.
  collectReports();
  std::erase_if(waitingReports(),
                [&](const ReportedChange& change) { return change.descriptor == instance.descriptor(); });
  return instance;
}

ParameterValues values(const PluginInstance& instance) {
  ParameterValues values{};
  for (std::int32_t i = 0; i < numParameters; ++i) values[i] = instance.get(i);
  return values;
}

std::vector<Report> takeReports(const PluginInstance& instance) {
  collectReports();
  std::vector<Report> mine;
  std::erase_if(waitingReports(), [&](const ReportedChange& change) {
    if (change.descriptor != instance.descriptor()) return false;
    mine.push_back({change.index, change.value});
    return true;
  });
  return mine;
}

}  // namespace sweepfilter
