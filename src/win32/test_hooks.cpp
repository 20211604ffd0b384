#include "win32/test_hooks.h"

#include <cstdint>

#include "app/program.h"
#include "win32/icon_checksum.h"
#include "win32/system_boundary.h"
#include "win32/windows_api.h"
// clang-format off
#include <commctrl.h>
// clang-format on

namespace quorvel::win32 {

namespace {

LRESULT CALLBACK TestHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR data) {
    if (message == kIconChecksumMessage) {
        const auto icon = HICON(SendMessageW(HWND(wParam), WM_GETICON, ICON_BIG, 0));
        return LRESULT(IconChecksum(icon));
    }
    if (message != kPopupMenuMessage) return DefSubclassProc(window, message, wParam, lParam);
    auto& program = *reinterpret_cast<Program*>(data);
    const Point at{int(std::int16_t(LOWORD(lParam))), int(std::int16_t(HIWORD(lParam)))};
    return CallFromSystem<LRESULT>(0, [&]() -> LRESULT {
        program.Form1().PopupMenuAt(int(wParam), at);
        return 0;
    });
}

}  // namespace

void InstallTestHooks(Program& program) {
    SetWindowSubclass(HWND(program.Form1().Window().Handle()), TestHook, 1,
                      reinterpret_cast<DWORD_PTR>(&program));
}

}  // namespace quorvel::win32
