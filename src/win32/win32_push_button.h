#pragma once

#include "win32/win32_control.h"

namespace quorvel::win32 {

// The system's push button (the styled button replaces it).
class Win32PushButton : public Win32Control<PushButton> {
  public:
    Win32PushButton(Win32Form& form, const ControlLayout& layout);
    void SetOnClick(Handler handler) override { onClick_ = std::move(handler); }
    void OnCommand(WORD code) override;

  private:
    Handler onClick_;
};

}  // namespace quorvel::win32
