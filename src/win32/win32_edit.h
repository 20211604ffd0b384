#pragma once

#include "win32/win32_control.h"

namespace quorvel::win32 {

// The system's edit control, one line (Edit) or several (Memo). The change event reports
// the user's edits, not texts the program sets.
template <typename Interface>
class Win32TextBox : public Win32Control<Interface> {
  public:
    Win32TextBox(Win32Form& form, const ControlLayout& layout, DWORD style)
        : Win32Control<Interface>(form, layout, {L"EDIT", style, WS_EX_CLIENTEDGE}) {}

    void SetText(const std::string& text) override {
        settingText_ = true;
        Win32Control<Interface>::SetText(text);
        settingText_ = false;
    }
    void SetOnChange(Handler handler) override { onChange_ = std::move(handler); }
    void OnCommand(WORD code) override {
        if (code == EN_CHANGE && !settingText_) this->Fire(onChange_);
    }

  private:
    Handler onChange_;
    bool settingText_ = false;
};

class Win32Edit : public Win32TextBox<Edit> {
  public:
    Win32Edit(Win32Form& form, const ControlLayout& layout);
};

class Win32Memo : public Win32TextBox<Memo> {
  public:
    Win32Memo(Win32Form& form, const ControlLayout& layout);
};

}  // namespace quorvel::win32
