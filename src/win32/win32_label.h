#pragma once

#include "win32/win32_control.h"

namespace quorvel::win32 {

// A caption drawn centred and in black straight over the form's picture.
class Win32Label : public Win32Control<Label> {
  public:
    static constexpr wchar_t kClassName[] = L"QuorvelLabel";

    Win32Label(Win32Form& form, const ControlLayout& layout);

    void SetText(const std::string& text) override;
    void SetOnClick(Handler handler) override { onClick_ = std::move(handler); }
    std::optional<LRESULT> OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Paint();

    Handler onClick_;
    bool pressed_ = false;
};

}  // namespace quorvel::win32
