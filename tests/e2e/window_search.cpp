#include "window_search.h"

#include <stdexcept>

namespace quorvel::e2e {

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
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
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<ProcessWindows*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window) && ClassOf(window) == search.className)
        search.found.push_back(window);
    return TRUE;
}

std::vector<HWND> VisibleWindowsOfClass(DWORD processId, const wchar_t* className) {
    ProcessWindows search{processId, className, {}};
    EnumWindows(MatchProcessWindow, LPARAM(&search));
    return search.found;
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
    return VisibleWindowsOfClass(processId, L"#32768");
}

HWND FindProgramWindowOfClass(DWORD processId, const wchar_t* className, const wchar_t* title) {
    for (HWND found = nullptr; (found = FindWindowExW(nullptr, found, className, title));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (owner == processId) return found;
    }
    return nullptr;
}

}  // namespace quorvel::e2e
