#include "win32/win32_hot_key_edit.h"

#include <commctrl.h>

namespace quorvel::win32 {

Shortcut ShortcutFromHotKeyValue(WORD value) {
    const BYTE flags = HIBYTE(value);
    Shortcut shortcut = LOBYTE(value);
    if (flags & HOTKEYF_SHIFT) shortcut |= kShortcutShift;
    if (flags & HOTKEYF_CONTROL) shortcut |= kShortcutCtrl;
    if (flags & HOTKEYF_ALT) shortcut |= kShortcutAlt;
    return shortcut;
}

WORD HotKeyValueFromShortcut(Shortcut shortcut) {
    BYTE flags = 0;
    if (shortcut & kShortcutShift) flags |= HOTKEYF_SHIFT;
    if (shortcut & kShortcutCtrl) flags |= HOTKEYF_CONTROL;
    if (shortcut & kShortcutAlt) flags |= HOTKEYF_ALT;
    return MAKEWORD(BYTE(shortcut & 0xFF), flags);
}

Win32HotKeyEdit::Win32HotKeyEdit(Win32Form& form, const ControlLayout& layout)
    : Win32Control(form, layout, {HOTKEY_CLASSW, 0, WS_EX_CLIENTEDGE}) {
    // Every combination may be entered, a key without shift keys too.
    SendMessageW(Hwnd(), HKM_SETRULES, 0, 0);
    SetValue(layout.hotKey);
}

Shortcut Win32HotKeyEdit::Value() const {
    return ShortcutFromHotKeyValue(WORD(SendMessageW(Hwnd(), HKM_GETHOTKEY, 0, 0)));
}

void Win32HotKeyEdit::SetValue(Shortcut value) {
    SendMessageW(Hwnd(), HKM_SETHOTKEY, HotKeyValueFromShortcut(value), 0);
}

void Win32HotKeyEdit::OnCommand(WORD code) {
    if (code == EN_CHANGE) Fire(onChange_);
}

}  // namespace quorvel::win32
