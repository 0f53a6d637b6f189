#include "CheckRunner.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace sweepfilter {

namespace {
std::mutex currentMutex;
std::string currentName;
std::chrono::steady_clock::time_point currentStart;

// The watchdog: wakes every half second and ends the run when one check has
// taken longer than its allowance. A plug-in that hangs must not hang CI.
struct Watchdog {
  std::mutex mutex;
  std::condition_variable wake;
  bool stopping = false;
  std::thread thread;

  void start(int seconds) {
    thread = std::thread([this, seconds] {
      std::unique_lock lock(mutex);
      while (!wake.wait_for(lock, std::chrono::milliseconds(500), [this] { return stopping; })) {
        std::lock_guard current(currentMutex);
        if (!currentName.empty() && std::chrono::steady_clock::now() - currentStart > std::chrono::seconds(seconds)) {
          std::printf("FAIL %s: no end after %d s: the plug-in hangs\n", currentName.c_str(), seconds);
          std::fflush(stdout);
          TerminateProcess(GetCurrentProcess(), 4);
        }
      }
    });
  }

  void stop() {
    {
      std::lock_guard lock(mutex);
      stopping = true;
    }
    wake.notify_all();
    thread.join();
  }
};
Watchdog watchdog;
}  // namespace

std::string formatText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  char buffer[1024];
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  return buffer;
}

void Check::fail(const std::string& what) {
  if (failureCount++ < static_cast<std::int64_t>(keptMessages)) messages.push_back(what);
}

void Check::figure(const std::string& text) { figures.push_back(text); }

std::string Check::line() const {
  if (skipped()) return "skipped: " + skipReason;
  std::string text;
  const auto append = [&text](const std::string& part) { text += (text.empty() ? "" : "; ") + part; };
  for (const std::string& m : messages) append(m);
  if (failureCount > static_cast<std::int64_t>(keptMessages))
    append(formatText("%lld failures in all", static_cast<long long>(failureCount)));
  for (const std::string& f : figures) append(f);
  return text;
}

CheckRunner::CheckRunner(int secondsPerCheck) { watchdog.start(secondsPerCheck); }
CheckRunner::~CheckRunner() { watchdog.stop(); }

void CheckRunner::run(const std::string& name, const std::function<void(Check&)>& body) {
  {
    std::lock_guard lock(currentMutex);
    currentName = name;
    currentStart = std::chrono::steady_clock::now();
  }
  Check check;
  body(check);
  {
    std::lock_guard lock(currentMutex);
    currentName.clear();
  }
  const char* verdict = check.skipped() ? "SKIP" : check.failed() ? "FAIL" : "PASS";
  (check.skipped() ? skipped : check.failed() ? failed : passed) += 1;
  std::printf("%s %s: %s\n", verdict, name.c_str(), check.line().c_str());
  std::fflush(stdout);
}

int CheckRunner::finish() const {
  std::printf("validate: %d passed, %d failed, %d skipped\n", passed, failed, skipped);
  return failed == 0 ? 0 : 1;
}

std::string CheckRunner::current() {
  std::lock_guard lock(currentMutex);
  return currentName;
}

void abortCheck(const std::string& why) {
  const std::string name = CheckRunner::current();
  std::printf("FAIL %s: %s\n", name.empty() ? "validate" : name.c_str(), why.c_str());
  std::fflush(stdout);
  // Not ExitProcess: the plug-in's state may be broken, its detach code must not run.
  TerminateProcess(GetCurrentProcess(), 3);
  std::_Exit(3);
}

}  // namespace sweepfilter
