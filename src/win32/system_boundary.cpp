#include "win32/system_boundary.h"

#include "win32/text_conversion.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {

namespace {

// The GUI thread's report: windows and their callbacks belong to the thread that made them.
thread_local ErrorReport* threadReport = nullptr;

}  // namespace

BoundaryReportScope::BoundaryReportScope(ErrorReport& report)
    : previous_(std::exchange(threadReport, &report)) {}

BoundaryReportScope::~BoundaryReportScope() {
    threadReport = previous_;
}

void ReportCurrentFailure() noexcept {
    const std::exception_ptr failure = std::current_exception();
    if (threadReport) {
        threadReport->Report(failure);
        return;
    }
    try {
        const std::wstring text = L"Quorvel: " + Widen(ErrorReportText(failure)) + L"\n";
        OutputDebugStringW(text.c_str());
    } catch (...) {
    }
}

}  // namespace quorvel::win32
