#include "window_search.h"

#include <chrono>
#include <stdexcept>
#include <thread>

#include "program_driver.h"

namespace quorvel::e2e {

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    SendMessageW(window, WM_GETTEXT, 256, LPARAM(text));
    return text;
}

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

namespace {

struct ControlSearch {
    HWND parent;
    LayoutRect bounds;
    HWND found;
};

BOOL CALLBACK MatchControl(HWND child, LPARAM context) {
    auto& search = *reinterpret_cast<ControlSearch*>(context);
    RECT r = WindowRect(child);
    MapWindowPoints(nullptr, search.parent, reinterpret_cast<POINT*>(&r), 2);
    const LayoutRect bounds{r.left, r.top, r.right - r.left, r.bottom - r.top};
    if (GetParent(child) != search.parent || !(bounds == search.bounds)) return TRUE;
    search.found = child;
    return FALSE;
}

struct ProcessWindows {
    DWORD processId;
    bool (*matches)(HWND window, const void* argument);
    const void* argument;
    std::vector<HWND> found;
};

BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<ProcessWindows*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window) &&
        search.matches(window, search.argument))
        search.found.push_back(window);
    return TRUE;
}

// The visible top-level windows of the process for which `matches` holds.
std::vector<HWND> VisibleWindows(DWORD processId, bool (*matches)(HWND, const void*),
                                 const void* argument = nullptr) {
    ProcessWindows search{processId, matches, argument, {}};
    EnumWindows(MatchProcessWindow, LPARAM(&search));
    return search.found;
}

bool IsOfClass(HWND window, const void* className) {
    return ClassOf(window) == static_cast<const wchar_t*>(className);
}

bool HasTaskBarButton(HWND window, const void*) {
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    if (exStyle & WS_EX_APPWINDOW) return true;
    return GetWindow(window, GW_OWNER) == nullptr && !(exStyle & WS_EX_TOOLWINDOW);
}

}  // namespace

HWND ControlAt(HWND window, const ControlLayout& layout) {
    ControlSearch search{window, layout.bounds, nullptr};
    EnumChildWindows(window, MatchControl, LPARAM(&search));
    return search.found;
}

const ControlLayout& LayoutOf(const FormLayout& form, std::string_view name) {
    for (const ControlLayout& control : form.controls)
        if (control.name == name) return control;
    throw std::logic_error("no control " + std::string(name));
}

std::vector<HWND> VisibleMenus(DWORD processId) {
    return VisibleWindows(processId, IsOfClass, L"#32768");
}

HWND FindProgramWindowOfClass(DWORD processId, const wchar_t* className, const wchar_t* title) {
    for (HWND found = nullptr; (found = FindWindowExW(nullptr, found, className, title));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (owner == processId) return found;
    }
    return nullptr;
}

std::vector<HWND> TaskBarWindows(DWORD processId) {
    return VisibleWindows(processId, HasTaskBarButton);
}

bool ChooseFromMenu(DWORD processId, const std::function<void()>& open, int n,
                    const std::function<bool()>& chosen) {
    using namespace std::chrono_literals;
    for (int attempt = 0; attempt < 3; ++attempt) {
        open();
        std::vector<HWND> menus;
        if (!WaitUntil([&] { return !(menus = VisibleMenus(processId)).empty(); }, 3s)) continue;
        std::this_thread::sleep_for(200ms);
        for (int i = 0; i < n; ++i) {
            PostMessageW(menus[0], WM_KEYDOWN, VK_DOWN, 0);
            std::this_thread::sleep_for(50ms);
        }
        PostMessageW(menus[0], WM_KEYDOWN, VK_RETURN, 0);
        if (WaitUntil(chosen, 4s)) return true;
        for (HWND menu : VisibleMenus(processId)) PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        WaitUntil([&] { return VisibleMenus(processId).empty(); }, 2s);
    }
    return false;
}

std::vector<HWND> TrayIconWindows() {
    std::vector<HWND> icons;
    HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
    for (HWND icon = nullptr;
         tray && (icon = FindWindowExW(tray, icon, L"__winex11_tray_icon", nullptr));)
        icons.push_back(icon);
    return icons;
}

}  // namespace quorvel::e2e
