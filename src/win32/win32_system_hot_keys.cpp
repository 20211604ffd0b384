#include "win32/win32_system_hot_keys.h"

namespace quorvel::win32 {

bool Win32SystemHotKeys::Register(int id, unsigned modifiers, unsigned virtualKey) {
    return RegisterHotKey(window_, id, modifiers, virtualKey) != FALSE;
}

bool Win32SystemHotKeys::Unregister(int id) {
    return UnregisterHotKey(window_, id) != FALSE;
}

bool Win32SystemHotKeys::KeyDown(unsigned virtualKey) {
    return (GetAsyncKeyState(int(virtualKey)) & 0x8000) != 0;
}

std::uint32_t Win32FocusKeeper::ForegroundThread() {
    HWND foreground = GetForegroundWindow();
    return foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
}

std::uint32_t Win32FocusKeeper::OwnThread() {
    return GetCurrentThreadId();
}

bool Win32FocusKeeper::AttachInput(std::uint32_t thread, bool attach) {
    return AttachThreadInput(GetCurrentThreadId(), thread, attach) != FALSE;
}

std::uintptr_t Win32FocusKeeper::FocusedWindow() {
    return reinterpret_cast<std::uintptr_t>(GetFocus());
}

void Win32FocusKeeper::SetFocus(std::uintptr_t window) {
    ::SetFocus(reinterpret_cast<HWND>(window));
}

}  // namespace quorvel::win32
