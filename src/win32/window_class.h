#pragma once

#include <optional>
#include <string_view>

#include "win32/handles.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {

// The program's own window classes, each with the one window procedure of this file: it
// keeps the object a window was made for (from WM_NCCREATE, where CreateWindowExW hands
// it over, to WM_NCDESTROY) and gives it every message in between, inside the boundary
// with the system. A message whose handling throws is answered 0 (and not passed on to
// the default handling, which could close a window that refused to close) and the error
// goes to the error report (see system_boundary.h); a paint that throws has drawn what
// it drew, and the rest of the window is validated, so it is not asked again at once.

// One message to a window, as its object gets it.
struct WindowMessage {
    HWND window = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// The object behind a window of one of these classes.
class WindowObject {
  public:
    // The message's result, or nothing to leave it to the default handling
    // (DefWindowProcW).
    virtual std::optional<LRESULT> OnMessage(const WindowMessage& message) = 0;

  protected:
    ~WindowObject() = default;
};

// A window class of the program. Only its name is required.
struct WindowClass {
    const wchar_t* name = nullptr;
    HCURSOR cursor = nullptr;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HBRUSH background = nullptr;
};

// Registers the class, once: a class registered already (by a toolkit made before in
// the same module) is left as it is.
void RegisterWindowClass(HINSTANCE instance, const WindowClass& windowClass);

// Where a window is made and what it looks like.
struct WindowPlacement {
    const wchar_t* className = nullptr;
    const wchar_t* title = L"";
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    HWND parent = nullptr;  // or HWND_MESSAGE
    HMENU menu = nullptr;   // a child's control id
    HINSTANCE instance = nullptr;
};

// Makes a window whose messages go to `object` (none: a plain window, all its messages
// handled by default). A window of a system class (a button, an edit) is made the same
// way; its class ignores the object. Throws quorvel::Error naming `what` ("the timer's
// window") and the system's error code when the window cannot be made.
UniqueWindow CreateObjectWindow(const WindowPlacement& placement, WindowObject* object,
                                std::string_view what);

// The object of a window of these classes; null for any other window, or one made
// without an object.
WindowObject* ObjectOfWindow(HWND window);

}  // namespace quorvel::win32
