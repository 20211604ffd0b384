#pragma once

#include <functional>

#include "platform/timer.h"
#include "win32/handles.h"
#include "win32/window_class.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {

class Win32Toolkit;

// A timer of the GUI thread on a message-only window of its own.
class Win32Timer : public Timer, private WindowObject {
  public:
    static constexpr wchar_t kClassName[] = L"QuorvelTimer";
    static void Register(HINSTANCE instance);

    Win32Timer(Win32Toolkit& toolkit, int interval);
    ~Win32Timer() override;

    int Interval() const override { return interval_; }
    void SetInterval(int milliseconds) override;
    bool Enabled() const override { return enabled_; }
    // The window is made as the timer first runs: throws Error when it cannot be.
    void SetEnabled(bool enabled) override;
    void SetOnTick(std::function<void()> handler) override { onTick_ = std::move(handler); }

  private:
    std::optional<LRESULT> OnMessage(const WindowMessage& message) override;
    void Apply();

    Win32Toolkit& toolkit_;
    UniqueWindow window_;
    int interval_;
    bool enabled_ = false;
    std::function<void()> onTick_;
};

}  // namespace quorvel::win32
