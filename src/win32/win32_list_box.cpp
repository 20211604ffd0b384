#include "win32/win32_list_box.h"

namespace quorvel::win32 {

namespace {

Win32ControlCore::Style ListBoxStyle(const ControlLayout& layout) {
    DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    if (layout.sorted) style |= LBS_SORT;
    return {L"LISTBOX", style, DWORD(layout.border ? WS_EX_CLIENTEDGE : 0)};
}

}  // namespace

Win32ListBox::Win32ListBox(Win32Form& form, const ControlLayout& layout)
    : Win32ItemList(form, layout, ListBoxStyle(layout)) {}

void Win32ListBox::OnCommand(WORD code) {
    if (code == LBN_SELCHANGE) Fire(onClick_);
    if (code == LBN_DBLCLK) Fire(onDoubleClick_);
}

}  // namespace quorvel::win32
