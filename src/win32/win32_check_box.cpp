#include "win32/win32_check_box.h"

namespace quorvel::win32 {

Win32CheckBox::Win32CheckBox(Win32Form& form, const ControlLayout& layout)
    : Win32Control(form, layout, {L"BUTTON", BS_AUTOCHECKBOX}) {
    SendMessageW(Hwnd(), BM_SETCHECK, layout.checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32CheckBox::Checked() const {
    return SendMessageW(Hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32CheckBox::SetChecked(bool checked) {
    if (checked == Checked()) return;
    SendMessageW(Hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (onClick_) onClick_();
}

void Win32CheckBox::OnCommand(WORD code) {
    if (code == BN_CLICKED) Fire(onClick_);
}

}  // namespace quorvel::win32
