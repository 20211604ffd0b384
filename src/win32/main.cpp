// The program's entry: a plain main window captioned "ZORIZED3" and its message loop.
#include "settings/options.h"
#include "win32/text_conversion.h"
#include "win32/win32_file_system.h"
#include "win32/windows_api.h"

namespace {

constexpr wchar_t kMainWindowClass[] = L"QuorvelMainWindow";

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

// The program folder is the folder of the running program file.
std::string ProgramFile() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return quorvel::win32::Narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    quorvel::win32::Win32FileSystem files;
    quorvel::Profile profile(files);
    const std::string programFolder = quorvel::ProgramFolderOf(ProgramFile());
    const quorvel::Options options(profile, programFolder);
    const std::string language = options.Read(quorvel::option::kFileLanguage);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kMainWindowClass;
    if (!RegisterClassExW(&windowClass)) return 1;

    HWND window =
        CreateWindowExW(0, kMainWindowClass, L"ZORIZED3", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 202, 183, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, SW_SHOW);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}
