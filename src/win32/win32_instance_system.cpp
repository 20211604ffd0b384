#include "win32/win32_instance_system.h"

#include "win32/text_conversion.h"

namespace quorvel::win32 {

namespace {
HWND AsWindow(std::uintptr_t window) {
    return reinterpret_cast<HWND>(window);
}
}  // namespace

bool Win32InstanceSystem::ClaimEvent(const std::string& name, int timeoutMilliseconds) {
    event_.Reset(CreateEventW(nullptr, FALSE, TRUE, Widen(name).c_str()));
    if (!event_) return false;
    return WaitForSingleObject(event_.Get(), DWORD(timeoutMilliseconds)) == WAIT_OBJECT_0;
}

std::uintptr_t Win32InstanceSystem::FindTopLevelWindow(const std::string& title) {
    return reinterpret_cast<std::uintptr_t>(FindWindowW(nullptr, Widen(title).c_str()));
}

// The window belongs to the running instance: a plain ShowWindow would wait for its
// thread, which may be hung.
void Win32InstanceSystem::ShowWindow(std::uintptr_t window) {
    ShowWindowAsync(AsWindow(window), SW_SHOW);
}

void Win32InstanceSystem::BringToForeground(std::uintptr_t window) {
    SetForegroundWindow(AsWindow(window));
}

bool Win32InstanceSystem::SendToWindow(std::uintptr_t window, unsigned message,
                                       std::uintptr_t wParam, std::intptr_t lParam,
                                       int timeoutMilliseconds) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(AsWindow(window), message, WPARAM(wParam), LPARAM(lParam),
                               SMTO_ABORTIFHUNG | SMTO_NORMAL, UINT(timeoutMilliseconds),
                               &result) != 0;
}

}  // namespace quorvel::win32
