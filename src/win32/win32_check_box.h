#pragma once

#include "win32/win32_control.h"

namespace quorvel::win32 {

// The system's check box (the flat styled one replaces it). A state set by the program
// raises the click event as a click does.
class Win32CheckBox : public Win32Control<CheckBox> {
  public:
    Win32CheckBox(Win32Form& form, const ControlLayout& layout);
    bool Checked() const override;
    void SetChecked(bool checked) override;
    void SetOnClick(Handler handler) override { onClick_ = std::move(handler); }
    void OnCommand(WORD code) override;

  private:
    Handler onClick_;
};

}  // namespace quorvel::win32
