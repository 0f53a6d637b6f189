#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sweepfilter {

// printf into a std::string: the one way the validator builds its messages.
std::string formatText(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));

// What one check found: failures (the first few kept word for word, the rest
// counted), figures for the report line, or the reason it was skipped.
class Check {
 public:
  void fail(const std::string& what);
  void figure(const std::string& text);
  void skip(const std::string& why) { skipReason = why; }

  bool failed() const { return failureCount > 0; }
  std::string line() const;
  bool skipped() const { return !skipReason.empty(); }

 private:
  static constexpr std::size_t keptMessages = 3;
  std::int64_t failureCount = 0;
  std::vector<std::string> messages;
  std::vector<std::string> figures;
  std::string skipReason;
};

// Runs checks one after the other and prints one line for each:
// "PASS name: figures", "FAIL name: what went wrong" or "SKIP name: why".
// A watchdog ends the run with a FAIL line when a check hangs.
class CheckRunner {
 public:
  explicit CheckRunner(int secondsPerCheck);
  ~CheckRunner();
  CheckRunner(const CheckRunner&) = delete;
  CheckRunner& operator=(const CheckRunner&) = delete;

  void run(const std::string& name, const std::function<void(Check&)>& body);
  // Prints the totals; the process exit code: 0 only when nothing failed.
  int finish() const;

  // The check in progress, for the crash report; empty between checks.
  static std::string current();

 private:
  int passed = 0;
  int failed = 0;
  int skipped = 0;
};

// Ends the process with a FAIL line for the check in progress.
[[noreturn]] void abortCheck(const std::string& why);

}  // namespace sweepfilter
