#include "win32/win32_push_button.h"

namespace quorvel::win32 {

Win32PushButton::Win32PushButton(Win32Form& form, const ControlLayout& layout)
    : Win32Control(form, layout, {L"BUTTON", BS_PUSHBUTTON}) {}

void Win32PushButton::OnCommand(WORD code) {
    if (code == BN_CLICKED) Fire(onClick_);
}

}  // namespace quorvel::win32
