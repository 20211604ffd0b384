#pragma once

#include <windows.h>

#include <functional>

#include "platform/timer.h"
#include "win32/handles.h"

namespace quorvel::win32 {

class Win32Toolkit;

// A timer of the GUI thread on a message-only window of its own.
class Win32Timer : public Timer {
  public:
    static constexpr wchar_t kClassName[] = L"QuorvelTimer";
    static void Register(HINSTANCE instance);

    Win32Timer(Win32Toolkit& toolkit, int interval);

    int Interval() const override { return interval_; }
    void SetInterval(int milliseconds) override;
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override;
    void SetOnTick(std::function<void()> handler) override { onTick_ = std::move(handler); }

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Apply();

    Win32Toolkit& toolkit_;
    UniqueWindow window_;
    int interval_;
    bool enabled_ = false;
    std::function<void()> onTick_;
};

}  // namespace quorvel::win32
