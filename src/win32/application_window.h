#pragma once

#include <string>

#include "win32/handles.h"
#include "win32/window_class.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {

// The window that stands for the program on the task bar and in Alt+Tab: unowned, titled
// with the program's title and carrying its icon, but of no size, so nothing of it shows on
// screen. The main window belongs to it (an owned window gets no button of its own, so its
// caption stays a name for finding it); the button shows while the main window does. When
// the button activates it, the activation goes on to the main window or the dialog over it.
// A second start finds it by its title and shows it.
class ApplicationWindow : private WindowObject {
  public:
    static constexpr const wchar_t* kClassName = L"QuorvelApplication";

    explicit ApplicationWindow(HINSTANCE instance);
    // Makes `mainWindow` (or no window, with null) the one this window stands for: it
    // belongs to this window from now on, and the one it belonged to before is let go.
    void Adopt(HWND mainWindow);
    void SetTitle(const std::string& title);
    // Shows or hides the task-bar button, never taking the activation.
    void ShowButton(bool shown);
    HWND Handle() const { return window_.Get(); }

  private:
    std::optional<LRESULT> OnMessage(const WindowMessage& message) override;
    HWND ActivationTarget() const;

    HWND mainWindow_ = nullptr;
    UniqueWindow window_;
};

}  // namespace quorvel::win32
