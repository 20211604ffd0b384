#include "win32/win32_timer.h"

#include "win32/win32_toolkit.h"

namespace quorvel::win32 {

namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

void Win32Timer::Register(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
}

Win32Timer::Win32Timer(Win32Toolkit& toolkit, int interval)
    : toolkit_(toolkit), interval_(interval) {
    window_.Reset(CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  toolkit.Instance(), this));
}

LRESULT CALLBACK Win32Timer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(create->lpCreateParams));
    }
    auto* timer = reinterpret_cast<Win32Timer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_TIMER && wParam == kTimerId && timer && timer->enabled_) {
        if (timer->onTick_) timer->toolkit_.Guard(timer->onTick_);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
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

// A timer with interval 0 does not tick, as a disabled one.
void Win32Timer::Apply() {
    if (enabled_ && interval_ > 0)
        SetTimer(window_.Get(), kTimerId, UINT(interval_), nullptr);
    else
        KillTimer(window_.Get(), kTimerId);
}

}  // namespace quorvel::win32
