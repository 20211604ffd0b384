#include "win32/test_hooks.h"

#include <cstdint>

#include "app/program.h"
#include "base/display_scale.h"
#include "win32/handles.h"
#include "win32/icon_checksum.h"
#include "win32/system_boundary.h"
#include "win32/windows_api.h"
// clang-format off
#include <commctrl.h>
// clang-format on

namespace quorvel::win32 {

namespace {

// What the system sends a window dragged onto a display of `dpi`.
LRESULT SendScaleChange(HWND window, int dpi, DisplayScale current) {
    RECT suggested{};
    GetWindowRect(window, &suggested);
    suggested.right = suggested.left + MulDiv(suggested.right - suggested.left, dpi, current.dpi);
    suggested.bottom = suggested.top + MulDiv(suggested.bottom - suggested.top, dpi, current.dpi);
    return SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&suggested));
}

struct HookTargets {
    Program& program;
    TestFileSystem& files;
};

LRESULT HeldCount(WPARAM which) {
    switch (which) {
        case 0:
            return HeldObjects::gdi;
        case 1:
            return HeldObjects::user;
        case 2:
            return HeldObjects::kernel;
        default:
            return -1;
    }
}

LRESULT CALLBACK TestHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR data) {
    auto& targets = *reinterpret_cast<HookTargets*>(data);
    if (message == kFullDiscMessage) {
        targets.files.SetDiscFull(wParam != 0);
        return 0;
    }
    if (message == kHeldObjectsMessage) return HeldCount(wParam);
    if (message == kDisplayScaleMessage)
        return SendScaleChange(window, int(wParam), targets.program.Form1().Scale());
    if (message == kIconChecksumMessage) {
        const auto icon = HICON(SendMessageW(HWND(wParam), WM_GETICON, ICON_BIG, 0));
        return LRESULT(IconChecksum(icon));
    }
    if (message != kPopupMenuMessage) return DefSubclassProc(window, message, wParam, lParam);
    Program& program = targets.program;
    const Point at{int(std::int16_t(LOWORD(lParam))), int(std::int16_t(HIWORD(lParam)))};
    return CallFromSystem<LRESULT>(0, [&]() -> LRESULT {
        program.Form1().PopupMenuAt(int(wParam), at);
        return 0;
    });
}

}  // namespace

void InstallTestHooks(Program& program, TestFileSystem& files) {
    // One program per process: the targets live as long as it.
    static HookTargets targets{program, files};
    SetWindowSubclass(HWND(program.Form1().Window().Handle()), TestHook, 1,
                      reinterpret_cast<DWORD_PTR>(&targets));
}

}  // namespace quorvel::win32
