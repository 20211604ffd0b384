#include "win32/win32_shell.h"

// clang-format off
#include "win32/windows_api.h"
#include <shellapi.h>
// clang-format on

namespace quorvel::win32 {

void Win32Shell::Open(std::uintptr_t ownerWindow, const std::string& address) {
    ShellExecuteA(reinterpret_cast<HWND>(ownerWindow), "open", address.c_str(), "", "", 0);
}

}  // namespace quorvel::win32
