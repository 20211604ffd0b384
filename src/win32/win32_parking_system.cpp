#include "win32/win32_parking_system.h"

#include "base/window_messages.h"
#include "win32/message_filter.h"
// clang-format off
#include <shellapi.h>
// clang-format on

namespace quorvel::win32 {

namespace {

// The record in its first, 88-byte form: message, icon and a 64-byte tip.
#ifndef _WIN64
static_assert(NOTIFYICONDATAA_V1_SIZE == 88);
#endif

constexpr std::size_t kTipBytes = 64;

// A window that does not answer must not hold the program up for long.
constexpr UINT kIconQueryTimeout = 500;

HWND Window(std::uintptr_t window) {
    return reinterpret_cast<HWND>(window);
}

std::uintptr_t AskedIcon(HWND window, WPARAM which) {
    DWORD_PTR icon = 0;
    if (!SendMessageTimeoutA(window, WM_GETICON, which, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                             kIconQueryTimeout, &icon))
        return 0;
    return std::uintptr_t(icon);
}

NOTIFYICONDATAA Record(HWND owner, int slot) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner;
    data.uID = UINT(slot);
    return data;
}

}  // namespace

Win32ParkingSystem::Win32ParkingSystem(HWND mainWindow) : mainWindow_(mainWindow) {
    // The shell may run with less rights than the program.
    AllowMessageFromLowerRights(mainWindow_, kParkedIconMessage);
}

Win32ParkingSystem::~Win32ParkingSystem() {
    for (const auto& [slot, icon] : icons_) {
        NOTIFYICONDATAA data = Record(mainWindow_, slot);
        Shell_NotifyIconA(NIM_DELETE, &data);
    }
}

std::uintptr_t Win32ParkingSystem::TaskBarWindow() {
    return reinterpret_cast<std::uintptr_t>(FindWindowA("Shell_TrayWnd", nullptr));
}

bool Win32ParkingSystem::WindowExists(std::uintptr_t window) {
    return IsWindow(Window(window)) != FALSE;
}

int Win32ParkingSystem::CaptionLength(std::uintptr_t window) {
    return GetWindowTextLengthA(Window(window));
}

std::string Win32ParkingSystem::Caption(std::uintptr_t window, int length) {
    std::string text(std::size_t(length), '\0');
    const int copied = GetWindowTextA(Window(window), text.data(), length);
    text.resize(std::size_t(copied > 0 ? copied : 0));
    return text;
}

std::uintptr_t Win32ParkingSystem::Icon(std::uintptr_t window, IconSource source) {
    switch (source) {
        case IconSource::kWindowSmall:
            return AskedIcon(Window(window), ICON_SMALL);
        case IconSource::kWindowBig:
            return AskedIcon(Window(window), ICON_BIG);
        case IconSource::kClassSmall:
            return std::uintptr_t(GetClassLongPtrA(Window(window), GCLP_HICONSM));
        case IconSource::kClass:
            return std::uintptr_t(GetClassLongPtrA(Window(window), GCLP_HICON));
        case IconSource::kSystemDefault:
            return reinterpret_cast<std::uintptr_t>(
                LoadIconA(nullptr, MAKEINTRESOURCEA(32517)));  // IDI_WINLOGO
    }
    return 0;
}

bool Win32ParkingSystem::AddIcon(int slot, std::uintptr_t icon, const std::string& tip) {
    UniqueIcon copy(CopyIcon(reinterpret_cast<HICON>(icon)));
    NOTIFYICONDATAA data = Record(mainWindow_, slot);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kParkedIconMessage;
    data.hIcon = copy ? copy.Get() : reinterpret_cast<HICON>(icon);
    tip.copy(data.szTip, kTipBytes - 1);  // the first form reads 64 bytes of it
    if (!Shell_NotifyIconA(NIM_ADD, &data)) return false;
    if (copy) icons_[slot] = std::move(copy);
    return true;
}

void Win32ParkingSystem::RemoveIcon(int slot) {
    NOTIFYICONDATAA data = Record(mainWindow_, slot);
    Shell_NotifyIconA(NIM_DELETE, &data);
    icons_.erase(slot);
}

void Win32ParkingSystem::ShowWindow(std::uintptr_t window, WindowShow how) {
    static constexpr int kCommands[] = {SW_HIDE, SW_SHOW, SW_RESTORE, SW_MINIMIZE};
    ::ShowWindow(Window(window), kCommands[int(how)]);
}

void Win32ParkingSystem::BringToForeground(std::uintptr_t window) {
    SetForegroundWindow(Window(window));
}

void Win32ParkingSystem::AskToClose(std::uintptr_t window) {
    // Posted: the window's program may ask its user before it closes.
    PostMessageA(Window(window), WM_CLOSE, 0, 0);
}

Point Win32ParkingSystem::CursorPosition() {
    POINT at{};
    GetCursorPos(&at);
    return {at.x, at.y};
}

}  // namespace quorvel::win32
