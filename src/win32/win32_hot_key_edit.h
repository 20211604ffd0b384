#pragma once

#include "win32/win32_control.h"

namespace quorvel::win32 {

// The system's hot-key control. Its value is kept as a Shortcut: the control's own shift
// flags are converted both ways.
class Win32HotKeyEdit : public Win32Control<HotKeyEdit> {
  public:
    Win32HotKeyEdit(Win32Form& form, const ControlLayout& layout);
    Shortcut Value() const override;
    void SetValue(Shortcut value) override;
    void SetOnChange(Handler handler) override { onChange_ = std::move(handler); }
    void OnCommand(WORD code) override;

  private:
    Handler onChange_;
};

// The hot-key control's value (virtual key in the low byte, HOTKEYF_* in the high byte)
// and the Shortcut for the same keys.
Shortcut ShortcutFromHotKeyValue(WORD value);
WORD HotKeyValueFromShortcut(Shortcut shortcut);

}  // namespace quorvel::win32
