#include "win32/message_filter.h"

#include <string>

namespace quorvel::win32 {

bool AllowMessageFromLowerRights(HWND window, UINT message) {
    if (window && ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr)) return true;
    const DWORD error = GetLastError();
    const std::wstring text = L"Quorvel: message " + std::to_wstring(message) +
                              L" stays closed to programs with less rights (error " +
                              std::to_wstring(error) + L")\n";
    OutputDebugStringW(text.c_str());
    return false;
}

}  // namespace quorvel::win32
