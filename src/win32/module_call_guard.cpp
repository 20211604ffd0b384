#include "win32/module_call_guard.h"

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "base/error.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {
namespace {

// Where a failed module call lands: the state of the guarding frame, taken before the call.
// A module call can run a message loop that calls another module, so landings nest.
struct Landing {
    std::intptr_t jump[5];  // __builtin_setjmp's buffer
#ifndef _WIN64
    // 32-bit exception handling is a chain of records on the stack; a jump back must drop
    // the records of the frames it leaves.
    void* exceptionList;
#endif
    Landing* outer;
};
Landing* landing_ = nullptr;

[[noreturn]] void LandAfterFailure() {
#ifndef _WIN64
    reinterpret_cast<NT_TIB*>(NtCurrentTeb())->ExceptionList =
        static_cast<EXCEPTION_REGISTRATION_RECORD*>(landing_->exceptionList);
#endif
    __builtin_longjmp(landing_->jump, 1);
}

// The module's runtime ends an exception nobody catches with abort(); the runtime library
// (msvcrt) is shared with the program, so its abort signal reaches this handler.
extern "C" void OnModuleAbort(int) {
    LandAfterFailure();
}

LPTOP_LEVEL_EXCEPTION_FILTER outerFilter_ = nullptr;

// Called only for system exceptions that no frame handled.
LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* exception) {
    if (landing_) LandAfterFailure();
    return outerFilter_ ? outerFilter_(exception) : EXCEPTION_CONTINUE_SEARCH;
}

// True when the call returned; a C++ exception that reaches the program's frames (one
// thrown by a module sharing the program's unwinder) ends here, and is destroyed while the
// module that made it is still loaded.
bool CallCatching(const std::function<void()>& call) noexcept {
    try {
        call();
        return true;
    } catch (...) {
        return false;
    }
}

// Only trivially destructible locals: a jump back to here skips no destructor.
__attribute__((noinline)) bool CallLanding(const std::function<void()>& call) {
    Landing here{};
    here.outer = landing_;
#ifndef _WIN64
    here.exceptionList = reinterpret_cast<NT_TIB*>(NtCurrentTeb())->ExceptionList;
#endif
    volatile bool returned = false;  // read again after a jump back
    if (__builtin_setjmp(here.jump) == 0) {
        landing_ = &here;
        returned = CallCatching(call);
    }
    landing_ = here.outer;
    return returned;
}

}  // namespace

void GuardModuleCall(const std::string& module, std::string_view exportName,
                     const std::function<void()>& call) {
    // No box of the runtime's own while a module aborts; the program reports it.
    const int errorMode = _set_error_mode(_OUT_TO_STDERR);
    const auto abortHandler = std::signal(SIGABRT, OnModuleAbort);
    const LPTOP_LEVEL_EXCEPTION_FILTER filter = SetUnhandledExceptionFilter(OnUnhandledException);
    if (filter != OnUnhandledException) outerFilter_ = filter;
    const bool returned = CallLanding(call);
    SetUnhandledExceptionFilter(filter);
    std::signal(SIGABRT, abortHandler);
    _set_error_mode(errorMode);
    if (!returned) {
        throw Error("The action module " + module + " failed in " + std::string(exportName) +
                    " and was stopped.");
    }
}

std::string ReadModuleText(const char* text) {
    std::string result;
    const char* at = text;
    while (at && result.size() < kMaxModuleText) {
        MEMORY_BASIC_INFORMATION region{};
        if (VirtualQuery(at, &region, sizeof region) == 0) break;
        constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY |
                                    PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE |
                                    PAGE_EXECUTE_WRITECOPY;
        if (region.State != MEM_COMMIT || !(region.Protect & kReadable) ||
            (region.Protect & (PAGE_GUARD | PAGE_NOACCESS)))
            break;
        const char* end = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        const std::size_t length =
            std::min<std::size_t>(std::size_t(end - at), kMaxModuleText - result.size());
        if (const void* zero = std::memchr(at, 0, length)) {
            result.append(at, std::size_t(static_cast<const char*>(zero) - at));
            break;
        }
        result.append(at, length);
        at = end;
    }
    return result;
}

}  // namespace quorvel::win32
