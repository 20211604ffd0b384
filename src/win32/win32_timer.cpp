#include "win32/win32_timer.h"

#include "win32/win32_toolkit.h"

namespace quorvel::win32 {

namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

void Win32Timer::Register(HINSTANCE instance) {
    RegisterWindowClass(instance, {.name = kClassName});
}

Win32Timer::Win32Timer(Win32Toolkit& toolkit, int interval)
    : toolkit_(toolkit), interval_(interval) {}

Win32Timer::~Win32Timer() {
    window_.Reset();  // while the members its messages reach still exist
}

std::optional<LRESULT> Win32Timer::OnMessage(const WindowMessage& message) {
    if (message.message == WM_TIMER && message.wParam == kTimerId && enabled_) {
        if (onTick_) toolkit_.Guard(onTick_);
        return 0;
    }
    return std::nullopt;
}

void Win32Timer::SetInterval(int milliseconds) {
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    Apply();
}

void Win32Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Apply();
}

// A timer with interval 0 does not tick, as a disabled one. Its window is made as it first
// runs: most timers wait for something the user does, and each window costs the start.
void Win32Timer::Apply() {
    if (enabled_ && interval_ > 0) {
        if (!window_)
            window_ = CreateObjectWindow({.className = kClassName,
                                          .parent = HWND_MESSAGE,
                                          .instance = toolkit_.Instance()},
                                         this, "the timer's window");
        SetTimer(window_.Get(), kTimerId, UINT(interval_), nullptr);
    } else if (window_) {
        KillTimer(window_.Get(), kTimerId);
    }
}

}  // namespace quorvel::win32
