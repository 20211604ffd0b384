// actions.dll: the built-in actions. Combinations store an action by its number, so the
// numbers below never change; new actions go at the end (nine at most).
#include <windows.h>

#define QUORVEL_BUILTIN_MODULE
#include <objbase.h>
#include <quorvel_module.h>
#include <shellapi.h>

#include <string>

#include "input_dialog.h"
#include "win32/text_conversion.h"

namespace {

using quorvel::win32::Narrow;
using quorvel::win32::Widen;

enum Action : std::int32_t {
    kRun = 1,
    kLockComputer,
    kMonitorOff,
    kMute,
    kVolumeUp,
    kVolumeDown,
    kPlayPause,
    kMinimizeWindow,
    kParkWindow,
};

// The main window's park message: hides a window behind a tray icon of its own.
constexpr UINT kParkWindowMessage = 0x54D;

constexpr char kInformation[] =
    "9,Run,Lock computer,Turn off monitor,Mute sound,Volume up,Volume down,Play/Pause,"
    "Minimize window,Park window in tray";

// What the last Setting gave, returned by Command until the module is freed.
std::string settingCommand;
bool settingCancelled = false;

// No exception may leave an export: whatever goes wrong inside ends the call quietly.
template <typename Body>
void Guarded(Body body) noexcept {
    try {
        body();
    } catch (...) {
    }
}

std::wstring Trim(const std::wstring& text) {
    std::size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return {};
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

std::wstring ExpandVariables(const std::wstring& text) {
    DWORD size = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    if (size == 0) return text;
    std::wstring expanded(size, L'\0');
    size = ExpandEnvironmentStringsW(text.c_str(), expanded.data(), size);
    if (size == 0 || size > expanded.size()) return text;
    expanded.resize(size - 1);
    return expanded;
}

// Splits a command text into what to open and its arguments: a quoted first part is the
// file; otherwise the whole text when it names an existing file or folder, holds no
// space, or is an address ("://"); else the text up to the first space.
void SplitCommand(const std::wstring& text, std::wstring& file, std::wstring& arguments) {
    file = text;
    arguments.clear();
    if (text.front() == L'"') {
        std::size_t close = text.find(L'"', 1);
        if (close == std::wstring::npos) {
            file = text.substr(1);
        } else {
            file = text.substr(1, close - 1);
            arguments = Trim(text.substr(close + 1));
        }
        return;
    }
    std::size_t space = text.find(L' ');
    if (space == std::wstring::npos || text.find(L"://") != std::wstring::npos ||
        GetFileAttributesW(text.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return;
    }
    file = text.substr(0, space);
    arguments = Trim(text.substr(space + 1));
}

std::wstring SystemMessage(DWORD error) {
    wchar_t* buffer = nullptr;
    DWORD size = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = size ? std::wstring(buffer, size) : L"Error " + std::to_wstring(error);
    LocalFree(buffer);
    return Trim(text);
}

// Opens a program, document, folder or web address as Explorer would.
void Run(const char* commandText) {
    std::wstring text = Trim(ExpandVariables(Widen(commandText ? commandText : "")));
    if (text.empty()) return;
    std::wstring file, arguments;
    SplitCommand(text, file, arguments);

    // The shell may use COM for some targets; it is set up here only if the thread has
    // not done it already.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpFile = file.c_str();
    info.lpParameters = arguments.empty() ? nullptr : arguments.c_str();
    info.nShow = SW_SHOWNORMAL;
    bool opened = ShellExecuteExW(&info);
    DWORD error = GetLastError();
    if (SUCCEEDED(com)) CoUninitialize();
    if (!opened) {
        std::wstring message = L"Could not open \"" + text + L"\".\n\n" + SystemMessage(error);
        MessageBoxW(nullptr, message.c_str(), L"Run",
                    MB_OK | MB_ICONWARNING | MB_SETFOREGROUND | MB_TOPMOST);
    }
}

// A key that is not in any text field: the system's media keys.
void PressKey(WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[0].ki.dwFlags = KEYEVENTF_EXTENDEDKEY;
    input[1].ki.dwFlags = KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

void TurnOffMonitor(HWND mainWindow) {
    // The release of the hot key's own keys would wake the monitor at once.
    Sleep(500);
    DefWindowProcW(mainWindow ? mainWindow : GetDesktopWindow(), WM_SYSCOMMAND, SC_MONITORPOWER, 2);
}

void MinimizeForegroundWindow() {
    HWND window = GetForegroundWindow();
    if (!window || window == GetShellWindow() || window == GetDesktopWindow()) return;
    // Asynchronous: a program that does not answer cannot hold the hot key up.
    ShowWindowAsync(window, SW_MINIMIZE);
}

// The window in front as its user sees it: the top-level owner of the foreground window
// (a dialog in front parks the program it belongs to). Never the desktop, the task bar or
// the program's own windows, which this module runs inside.
void ParkForegroundWindow(HWND mainWindow) {
    HWND window = GetForegroundWindow();
    if (window) window = GetAncestor(window, GA_ROOTOWNER);
    if (!window || window == GetShellWindow() || window == GetDesktopWindow() ||
        window == FindWindowW(L"Shell_TrayWnd", nullptr))
        return;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) return;
    SendMessageW(mainWindow, kParkWindowMessage, WPARAM(window), 0);
}

}  // namespace

extern "C" {

const char* QUORVEL_CALL Information(void) {
    return kInformation;
}

// The names are English whatever the language; nothing to keep.
void QUORVEL_CALL ExpansionA(const char*) {}

void QUORVEL_CALL Setting(HWND editor, const char* hotKey, const char* current, int32_t action) {
    settingCommand.clear();
    settingCancelled = false;
    if (action != kRun) return;  // the other actions need no text
    Guarded([&] {
        std::wstring prompt = L"Program, document, folder or web address to open";
        if (hotKey) prompt += L" with " + Widen(hotKey);
        prompt += L":";
        auto text = quorvel::actions::AskCommandText(editor, L"Run", prompt,
                                                     current ? Widen(current) : std::wstring());
        if (text) {
            settingCommand = Narrow(*text);
        } else {
            settingCancelled = true;
        }
    });
}

const char* QUORVEL_CALL Command(void) {
    return settingCancelled ? QUORVEL_NOCOMMAND : settingCommand.c_str();
}

int32_t QUORVEL_CALL Execute(const char* hotKey, const char* commandText, HWND mainWindow,
                             int32_t action) {
    Guarded([&] {
        switch (action) {
            case kRun:
                Run(commandText);
                break;
            case kLockComputer:
                LockWorkStation();
                break;
            case kMonitorOff:
                TurnOffMonitor(mainWindow);
                break;
            case kMute:
                PressKey(VK_VOLUME_MUTE);
                break;
            case kVolumeUp:
                PressKey(VK_VOLUME_UP);
                break;
            case kVolumeDown:
                PressKey(VK_VOLUME_DOWN);
                break;
            case kPlayPause:
                PressKey(VK_MEDIA_PLAY_PAUSE);
                break;
            case kMinimizeWindow:
                MinimizeForegroundWindow();
                break;
            case kParkWindow:
                ParkForegroundWindow(mainWindow);
                break;
            default:
                break;
        }
    });
    return 0;
}

}  // extern "C"

namespace __gnu_cxx {
void __freeres() noexcept;
}

// The statically linked C++ runtime reserves a pool for throwing exceptions when memory is short
// each time this module is loaded, and frees it only when asked. The program loads this module
// for every operation, so without this each load would leave about 20 kB behind.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) __gnu_cxx::__freeres();
    return TRUE;
}
