#include "hotkeys/shortcut_text.h"

#include <cctype>

#include "base/text_compare.h"

namespace quorvel {

namespace {

// The highest code the reading compares, as stored files were written against it.
constexpr int kLastComparedKey = 597;

// A prefix is taken only with something after it: the rest is the key's name, and a layout
// may name a key "^" (the German one does), so "Ctrl+^" is Ctrl and that key.
bool StripPrefix(std::string_view& text, std::string_view prefix) {
    if (text.size() <= prefix.size() || !EqualNoCase(text.substr(0, prefix.size()), prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

const char* FixedKeyName(int code) {
    switch (code) {
        case 8:
            return "BkSp";
        case 9:
            return "Tab";
        case 13:
            return "Enter";
        case 27:
            return "Esc";
        case 32:
            return "Space";
        case 33:
            return "PgUp";
        case 34:
            return "PgDn";
        case 35:
            return "End";
        case 36:
            return "Home";
        case 37:
            return "Left";
        case 38:
            return "Up";
        case 39:
            return "Right";
        case 40:
            return "Down";
        case 45:
            return "Ins";
        case 46:
            return "Del";
        default:
            return nullptr;
    }
}

}  // namespace

std::string KeyName(int code, KeyNames& system) {
    if (const char* fixed = FixedKeyName(code)) return fixed;
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'))
        return std::string(1, char(code));
    if (code >= 96 && code <= 105) return std::string(1, char('0' + code - 96));
    if (code >= 112 && code <= 135) return "F" + std::to_string(code - 111);
    return system.SystemKeyName(code);
}

std::string ModifierText(Shortcut value) {
    std::string text;
    if (value & kShortcutWin) text += "Win+";
    if (value & kShortcutShift) text += "Shift+";
    if (value & kShortcutCtrl) text += "Ctrl+";
    if (value & kShortcutAlt) text += "Alt+";
    return text;
}

std::string ShortCutToText(Shortcut value, KeyNames& system) {
    const std::string name = KeyName(value & kShortcutKeyMask, system);
    if (name.empty()) return {};
    return ModifierText(value) + name;
}

Shortcut TextToShortCut(std::string_view text, KeyNames& system) {
    Shortcut modifiers = 0;
    for (bool stripped = true; stripped;) {
        stripped = true;
        if (StripPrefix(text, "Win+")) {
            modifiers |= kShortcutWin;
        } else if (StripPrefix(text, "Shift+")) {
            modifiers |= kShortcutShift;
        } else if (StripPrefix(text, "Ctrl+") || StripPrefix(text, "^")) {
            modifiers |= kShortcutCtrl;
        } else if (StripPrefix(text, "Alt+")) {
            modifiers |= kShortcutAlt;
        } else {
            stripped = false;
        }
    }
    if (text.empty()) return 0;
    for (int code = 8; code <= kLastComparedKey; ++code) {
        const std::string name = KeyName(code, system);
        if (!name.empty() && EqualNoCase(name, text)) return Shortcut(code | modifiers);
    }
    return 0;
}

}  // namespace quorvel
