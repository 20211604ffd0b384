#pragma once

#include <utility>

#include "platform/error_report.h"

namespace quorvel::win32 {

// The boundary with the system: every function the system calls back (window procedures,
// subclass procedures, enumeration callbacks) does its work inside CallFromSystem, so
// that nothing it throws unwinds into the system's code. What is caught goes to the error
// report of the thread's toolkit (one report at a time, once per burst: see ErrorReport).

// Makes `report` the one that failures caught at this thread's boundary go to while it
// lives; the one before it comes back after. The toolkit holds one.
class BoundaryReportScope {
  public:
    explicit BoundaryReportScope(ErrorReport& report);
    ~BoundaryReportScope();
    BoundaryReportScope(const BoundaryReportScope&) = delete;
    BoundaryReportScope& operator=(const BoundaryReportScope&) = delete;

  private:
    ErrorReport* previous_;
};

// Hands the exception being handled to the thread's error report; with none (no toolkit
// lives on this thread) it goes to the debugger's output. Never throws.
void ReportCurrentFailure() noexcept;

// Runs the work of a callback from the system and returns its result; when it throws, the
// failure is reported and `failed` (a value safe to give the system) is returned.
template <typename Result, typename Work>
Result CallFromSystem(Result failed, Work&& work) noexcept {
    try {
        return std::forward<Work>(work)();
    } catch (...) {
        ReportCurrentFailure();
        return failed;
    }
}

}  // namespace quorvel::win32
