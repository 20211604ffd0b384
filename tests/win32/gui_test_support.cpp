#include "gui_test_support.h"

#include "support/window_wait.h"

namespace quorvel::win32 {

namespace {

BOOL CALLBACK CollectStatic(HWND child, LPARAM context) {
    auto& texts = *reinterpret_cast<std::wstring*>(context);
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    if (_wcsicmp(name, L"Static") != 0) return TRUE;
    if (!texts.empty()) texts += L"|";
    texts += TextOf(child);
    return TRUE;
}

}  // namespace

HWND WaitForWindow(const wchar_t* className, const std::wstring& caption,
                   std::chrono::milliseconds timeout) {
    HWND found = nullptr;
    test_support::WaitUntil(
        [&] {
            return (found =
                        test_support::FindProgramWindow(GetCurrentProcessId(), caption, className));
        },
        timeout);
    return found;
}

bool WaitUntilGone(HWND window, std::chrono::milliseconds timeout) {
    return test_support::WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); },
                                   timeout);
}

void PressButton(HWND window, int id) {
    // Posted: the click may open a modal window, which would hold up a sent message.
    PostMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0);
}

void PressKey(HWND window, UINT virtualKey) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    HWND target = window;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus &&
        (info.hwndFocus == window || IsChild(window, info.hwndFocus)))
        target = info.hwndFocus;
    PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(target, WM_KEYUP, virtualKey, LPARAM(0xC0000001));
}

std::wstring TextOf(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

std::wstring StaticTexts(HWND window) {
    std::wstring texts;
    EnumChildWindows(window, CollectStatic, LPARAM(&texts));
    return texts;
}

bool PumpUntil(Win32Toolkit& toolkit, const std::function<bool()>& condition,
               std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    // A thread timer wakes the loop, so the deadline is seen even when nothing happens.
    const UINT_PTR waker = SetTimer(nullptr, 0, 20, nullptr);
    toolkit.Pump([&] { return condition() || std::chrono::steady_clock::now() > deadline; });
    KillTimer(nullptr, waker);
    return condition();
}

}  // namespace quorvel::win32
