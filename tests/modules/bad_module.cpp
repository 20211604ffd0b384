// Action modules that break the rules, for the host's guards; a SHAPE_* definition picks
// the fault. In C++ so that one of them can throw.
#include <quorvel_module.h>

#include <cstring>
#include <stdexcept>

namespace {

#if defined(SHAPE_HUGE_INFORMATION)
char huge_[100001];
#endif

#if defined(SHAPE_UNTERMINATED_INFORMATION)
// A page of text with no zero in it, followed by memory that cannot be read.
const char* Unterminated() {
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    auto* pages = static_cast<char*>(
        VirtualAlloc(nullptr, 2 * system.dwPageSize, MEM_RESERVE, PAGE_NOACCESS));
    if (!pages || !VirtualAlloc(pages, system.dwPageSize, MEM_COMMIT, PAGE_READWRITE)) return "";
    std::memset(pages, 'y', system.dwPageSize);
    return pages;
}
#endif

}  // namespace

extern "C" {

void QUORVEL_CALL ExpansionA(const char*) {}

const char* QUORVEL_CALL Information() {
#if defined(SHAPE_NULL_INFORMATION)
    return nullptr;
#elif defined(SHAPE_EMPTY_INFORMATION)
    return "";
#elif defined(SHAPE_HUGE_INFORMATION)
    std::memset(huge_, 'h', sizeof huge_ - 1);
    return huge_;
#elif defined(SHAPE_UNTERMINATED_INFORMATION)
    return Unterminated();
#else
    return "Faulty action";
#endif
}

#if defined(SHAPE_FAULTY)
// Returns without calling anything or showing anything.
void QUORVEL_CALL Setting(HWND, const char*, const char*) {}

const char* QUORVEL_CALL Command() {
    return nullptr;
}

int32_t QUORVEL_CALL Execute(const char*, const char* command, HWND) {
    // "raise": a system exception, as an MSVC or Delphi module's throw is.
    if (command && std::strcmp(command, "raise") == 0)
        RaiseException(0xE06D7363, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    throw std::runtime_error("Execute failed");
}
#endif
}
