#include "CrashReport.h"

#include <windows.h>

#include "CheckRunner.h"

namespace sweepfilter {

namespace {
const char* exceptionName(DWORD code) {
  switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
      return "access violation";
    case EXCEPTION_STACK_OVERFLOW:
      return "stack overflow";
    case EXCEPTION_ILLEGAL_INSTRUCTION:
      return "illegal instruction";
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
      return "integer division by zero";
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
      return "array bounds exceeded";
    default:
      return "unhandled exception";
  }
}

LONG WINAPI onUnhandledException(EXCEPTION_POINTERS* info) {
  const EXCEPTION_RECORD* record = info->ExceptionRecord;
  std::string what = formatText("the plug-in crashed: %s (0x%08lX) at %p", exceptionName(record->ExceptionCode),
                                static_cast<unsigned long>(record->ExceptionCode), record->ExceptionAddress);
  if (record->ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record->NumberParameters >= 2)
    what += formatText(", %s address %p", record->ExceptionInformation[0] ? "writing" : "reading",
                       reinterpret_cast<void*>(record->ExceptionInformation[1]));
  abortCheck(what);
}
}  // namespace

void reportCrashesAsFailures() {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  SetUnhandledExceptionFilter(onUnhandledException);
}

}  // namespace sweepfilter
