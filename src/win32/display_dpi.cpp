#include "win32/display_dpi.h"

namespace quorvel::win32 {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Looked up once: older systems (and some Wine versions) have no per-window DPI.
GetDpiForWindowFunction DpiForWindowCall() {
    static const GetDpiForWindowFunction call = [] {
        HMODULE user = GetModuleHandleW(L"user32.dll");
        return user ? reinterpret_cast<GetDpiForWindowFunction>(
                          reinterpret_cast<void*>(GetProcAddress(user, "GetDpiForWindow")))
                    : nullptr;
    }();
    return call;
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    if (!screen) return 0;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

DisplayScale ScaleOfWindow(HWND window) {
    if (window) {
        if (GetDpiForWindowFunction call = DpiForWindowCall()) {
            if (const UINT dpi = call(window)) return DisplayScale::ForDpi(int(dpi));
        }
    }
    return DisplayScale::ForDpi(ScreenDpi());
}

}  // namespace quorvel::win32
