#include "win32/application_window.h"

#include "win32/text_conversion.h"

namespace quorvel::win32 {

namespace {

// Posted to itself on activation: the activation is handed on once the system has
// finished activating this window, not in the middle of it.
constexpr UINT kHandOnActivation = WM_APP + 0x41;

// A popup with a system menu (the button's menu) but neither a frame to size nor a
// minimise box: the button only brings the program forward.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

}  // namespace

ApplicationWindow::ApplicationWindow(HINSTANCE instance) {
    const auto icon = LoadIconW(instance, L"APP_ICON");
    const auto smallIcon = static_cast<HICON>(LoadImageW(instance, L"APP_ICON", IMAGE_ICON,
                                                         GetSystemMetrics(SM_CXSMICON),
                                                         GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    RegisterWindowClass(instance, {.name = kClassName, .icon = icon, .smallIcon = smallIcon});
    // Unowned, not a tool window: the task bar and Alt+Tab list it while it is visible.
    window_ = CreateObjectWindow({.className = kClassName, .style = kStyle, .instance = instance},
                                 this, "the application window");
    // Given to the window itself too: other programs (the task bar) ask the window for its
    // icon, and a class's icon cannot be read from another process everywhere.
    SendMessageW(window_.Get(), WM_SETICON, ICON_BIG, LPARAM(icon));
    SendMessageW(window_.Get(), WM_SETICON, ICON_SMALL, LPARAM(smallIcon));
}

std::optional<LRESULT> ApplicationWindow::OnMessage(const WindowMessage& message) {
    HWND window = message.window;
    switch (message.message) {
        case WM_ACTIVATE:
            if (LOWORD(message.wParam) != WA_INACTIVE)
                PostMessageW(window, kHandOnActivation, 0, 0);
            break;
        case kHandOnActivation:
            // Only if this window still has the activation: it may have moved on already.
            if (GetActiveWindow() == window)
                if (HWND target = ActivationTarget()) SetForegroundWindow(target);
            return 0;
        case WM_CLOSE:
            // "Close window" on the button closes the program the way its main window
            // does (with its question); this window itself lives as long as the toolkit.
            if (mainWindow_) PostMessageW(mainWindow_, WM_CLOSE, 0, 0);
            return 0;
        default:
            break;
    }
    return std::nullopt;
}

void ApplicationWindow::Adopt(HWND mainWindow) {
    if (mainWindow_ && IsWindow(mainWindow_)) SetWindowLongPtrW(mainWindow_, GWLP_HWNDPARENT, 0);
    mainWindow_ = mainWindow;
    if (mainWindow_) SetWindowLongPtrW(mainWindow_, GWLP_HWNDPARENT, LONG_PTR(window_.Get()));
}

// The window last active over this one (a dialog over the main window) if it can take the
// activation, else the main window if it can; null while neither can (hidden, or disabled
// under a modal window, which then is the last active one).
HWND ApplicationWindow::ActivationTarget() const {
    auto usable = [](HWND window) {
        return window && IsWindowVisible(window) && IsWindowEnabled(window);
    };
    HWND last = GetLastActivePopup(window_.Get());
    if (last != window_.Get() && usable(last)) return last;
    return usable(mainWindow_) ? mainWindow_ : nullptr;
}

void ApplicationWindow::SetTitle(const std::string& title) {
    SetWindowTextW(window_.Get(), Widen(title).c_str());
}

void ApplicationWindow::ShowButton(bool shown) {
    ShowWindow(window_.Get(), shown ? SW_SHOWNA : SW_HIDE);
}

}  // namespace quorvel::win32
