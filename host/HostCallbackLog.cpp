#include "HostCallbackLog.h"

#include <mutex>
#include <utility>

namespace sweepfilter {

namespace {
std::mutex changesMutex;
std::vector<ReportedChange> changes;
}  // namespace

std::int32_t HostCallbackLog::versionAnswer = 2400;

HostWord HostCallbackLog::callback(PluginDescriptor* descriptor, std::int32_t opcode, std::int32_t index, HostWord,
                                   void*, float opt) {
  if (opcode == hostVersion) return versionAnswer;
  if (opcode == hostParameterChanged) {
    std::lock_guard lock(changesMutex);
    changes.push_back({descriptor, index, opt});
  }
  return 0;
}

std::vector<ReportedChange> HostCallbackLog::takeChanges() {
  std::lock_guard lock(changesMutex);
  return std::exchange(changes, {});
}

}  // namespace sweepfilter
