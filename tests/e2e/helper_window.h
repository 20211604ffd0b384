#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace quorvel::e2e {

// Another program's window, as parking sees one: a shown top-level window with a caption
// and an icon, on a thread of its own that answers its messages. It counts the close
// requests it gets and, while told to, refuses them as a "save changes?" Cancel would.
class HelperWindow {
  public:
    explicit HelperWindow(const std::wstring& caption);
    ~HelperWindow();
    HelperWindow(const HelperWindow&) = delete;
    HelperWindow& operator=(const HelperWindow&) = delete;

    HWND Handle() const { return window_; }
    bool Visible() const { return IsWindowVisible(window_) != FALSE; }
    bool Exists() const { return IsWindow(window_) != FALSE; }
    int CloseRequests() const { return closeRequests_; }
    void RefuseClose(bool refuse) { refuseClose_ = refuse; }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Run(const std::wstring& caption);

    std::atomic<HWND> window_{nullptr};
    std::atomic<int> closeRequests_{0};
    std::atomic<bool> refuseClose_{false};
    std::atomic<DWORD> threadId_{0};
    std::thread thread_;
};

}  // namespace quorvel::e2e
