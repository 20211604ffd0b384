// A second start floor: the bare window plus what the program cannot start without (the
// common controls 6 of its manifest, the shell for the tray icon, one standard child
// control). Set against the bare window, it shows how much of the start's budget those
// system parts take before any of the program's own work.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include "bare_window.h"

namespace {

// Imported as the program imports it: the loader maps the shell at start; never called.
auto volatile notifyIcon = &Shell_NotifyIconW;

void AddListBox(HWND window) {
    CreateWindowExW(0, L"ListBox", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL, 5, 5,
                    100, 100, window, nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_BAR_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
    return quorvel::bench::RunBareWindow(L"QuorvelBenchParts", AddListBox);
}
