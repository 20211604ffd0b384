#include "win32/win32_drop_down_list.h"

namespace quorvel::win32 {

namespace {

Win32ControlCore::Style ComboStyle(const ControlLayout& layout) {
    DWORD style = CBS_DROPDOWNLIST | WS_VSCROLL;
    if (layout.sorted) style |= CBS_SORT;
    return {L"COMBOBOX", style};
}

}  // namespace

Win32DropDownList::Win32DropDownList(Win32Form& form, const ControlLayout& layout)
    : Win32ItemList(form, layout, ComboStyle(layout)) {
    // The window's height is that of the dropped list; the closed box keeps the height the
    // font gives it.
    const int rowHeight = int(SendMessageW(Hwnd(), CB_GETITEMHEIGHT, 0, 0));
    extraHeight_ = layout.dropDownRows * (rowHeight > 0 ? rowHeight : 13) + 2;
    SetBounds(layout.bounds);
}

void Win32DropDownList::OnCommand(WORD code) {
    if (code == CBN_SELCHANGE) Fire(onChange_);
}

}  // namespace quorvel::win32
