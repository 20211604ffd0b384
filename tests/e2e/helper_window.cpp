#include "helper_window.h"

#include <stdexcept>

#include "program_driver.h"

namespace quorvel::e2e {

namespace {

constexpr wchar_t kClassName[] = L"QuorvelTestHelper";

}  // namespace

HelperWindow::HelperWindow(const std::wstring& caption)
    : thread_([this, caption] { Run(caption); }) {
    if (!WaitUntil([this] { return window_.load() != nullptr && Visible(); })) {
        if (threadId_) PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        thread_.join();
        throw std::runtime_error("the helper window did not appear");
    }
}

HelperWindow::~HelperWindow() {
    refuseClose_ = false;
    if (threadId_) PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
}

LRESULT CALLBACK HelperWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* helper = reinterpret_cast<HelperWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_CLOSE && helper) {
        ++helper->closeRequests_;
        if (helper->refuseClose_) return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void HelperWindow::Run(const std::wstring& caption) {
    threadId_ = GetCurrentThreadId();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(nullptr, IDI_INFORMATION);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);  // fails harmlessly when another helper registered it
    HWND window = CreateWindowExW(0, kClassName, caption.c_str(), WS_OVERLAPPEDWINDOW, 300, 300,
                                  240, 160, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(this));
    ShowWindow(window, SW_SHOW);
    window_ = window;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (IsWindow(window)) DestroyWindow(window);
}

}  // namespace quorvel::e2e
