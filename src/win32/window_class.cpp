#include "win32/window_class.h"

#include <string>

#include "base/error.h"
#include "win32/system_boundary.h"

namespace quorvel::win32 {

namespace {

LRESULT CALLBACK RouteMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* object = reinterpret_cast<WindowObject*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (!object) return DefWindowProcW(window, message, wParam, lParam);
    std::optional<LRESULT> result;
    try {
        result = object->OnMessage({window, message, wParam, lParam});
    } catch (...) {
        // Validated before the report opens its dialog, whose loop would paint again.
        if (message == WM_PAINT) ValidateRect(window, nullptr);
        ReportCurrentFailure();
        return 0;
    }
    return result ? *result : DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void RegisterWindowClass(HINSTANCE instance, const WindowClass& windowClass) {
    WNDCLASSEXW known{};
    known.cbSize = sizeof known;
    if (GetClassInfoExW(instance, windowClass.name, &known)) return;
    WNDCLASSEXW registered{};
    registered.cbSize = sizeof registered;
    registered.lpfnWndProc = RouteMessage;
    registered.hInstance = instance;
    registered.hCursor = windowClass.cursor;
    registered.hIcon = windowClass.icon;
    registered.hIconSm = windowClass.smallIcon;
    registered.hbrBackground = windowClass.background;
    registered.lpszClassName = windowClass.name;
    // Should it fail, making a window of the class fails and says so.
    RegisterClassExW(&registered);
}

UniqueWindow CreateObjectWindow(const WindowPlacement& placement, WindowObject* object,
                                std::string_view what) {
    UniqueWindow window(CreateWindowExW(placement.exStyle, placement.className, placement.title,
                                        placement.style, placement.x, placement.y, placement.width,
                                        placement.height, placement.parent, placement.menu,
                                        placement.instance, static_cast<void*>(object)));
    if (!window) {
        const DWORD code = GetLastError();
        throw Error("Cannot create " + std::string(what) + " (system error " +
                    std::to_string(code) + ")");
    }
    return window;
}

WindowObject* ObjectOfWindow(HWND window) {
    if (!window ||
        reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC)) != RouteMessage)
        return nullptr;
    return reinterpret_cast<WindowObject*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace quorvel::win32
