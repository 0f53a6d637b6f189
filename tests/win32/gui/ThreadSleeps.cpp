#include "ThreadSleeps.h"

#include <windows.h>

#include "ImportRedirect.h"

namespace sweepfilter {

namespace {

// Static initialisation runs on the main thread.
const DWORD mainThread = GetCurrentThreadId();
std::int64_t sleeps = 0;
decltype(&::Sleep) realSleep = nullptr;

void WINAPI countSleep(DWORD milliseconds) {
  if (GetCurrentThreadId() == mainThread) ++sleeps;
  realSleep(milliseconds);
}

const bool installed = [] {
  realSleep = reinterpret_cast<decltype(realSleep)>(
      redirectImport("kernel32.dll", "Sleep", reinterpret_cast<void*>(countSleep)));
  return realSleep != nullptr;
}();

}  // namespace

std::int64_t mainThreadSleeps() { return installed ? sleeps : -1; }

}  // namespace sweepfilter
