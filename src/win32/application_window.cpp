#include "win32/application_window.h"

#include "win32/text_conversion.h"

namespace quorvel::win32 {

ApplicationWindow::ApplicationWindow(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);  // fails harmlessly when a second toolkit registers it again
    window_.Reset(CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, instance, nullptr));
}

void ApplicationWindow::SetTitle(const std::string& title) {
    SetWindowTextW(window_.Get(), Widen(title).c_str());
}

}  // namespace quorvel::win32
