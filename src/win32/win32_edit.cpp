#include "win32/win32_edit.h"

namespace quorvel::win32 {

Win32Edit::Win32Edit(Win32Form& form, const ControlLayout& layout)
    : Win32TextBox(form, layout, ES_AUTOHSCROLL) {}

Win32Memo::Win32Memo(Win32Form& form, const ControlLayout& layout)
    : Win32TextBox(form, layout, ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL) {}

}  // namespace quorvel::win32
