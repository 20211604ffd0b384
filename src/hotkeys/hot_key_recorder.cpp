#include "hotkeys/hot_key_recorder.h"

#include "hotkeys/reserved_combinations.h"
#include "hotkeys/shortcut_text.h"

namespace quorvel {

namespace {
constexpr unsigned kBackspaceKey = 0x08;
constexpr unsigned kTabKey = 0x09;
constexpr unsigned kEnterKey = 0x0D;
constexpr unsigned kEscapeKey = 0x1B;
}  // namespace

Shortcut ModifierOfKey(unsigned virtualKey) {
    switch (virtualKey) {
        case 0x10:  // Shift
        case 0xA0:
        case 0xA1:
            return kShortcutShift;
        case 0x11:  // Ctrl
        case 0xA2:
        case 0xA3:
            return kShortcutCtrl;
        case 0x12:  // Alt
        case 0xA4:
        case 0xA5:
            return kShortcutAlt;
        case 0x5B:  // the left and the right Windows key
        case 0x5C:
            return kShortcutWin;
        default:
            return 0;
    }
}

void HotKeyRecorder::SetValue(Shortcut value) {
    value_ = value;
    pending_ = false;
    heldModifiers_ = 0;
}

bool HotKeyRecorder::TakesKey(unsigned virtualKey, Shortcut held) {
    held &= kShortcutModifiers;
    if (virtualKey == kTabKey) return (held & ~kShortcutShift) != 0;
    if (virtualKey == kEnterKey || virtualKey == kEscapeKey) return held != 0;
    return true;
}

HotKeyRecorder::Outcome HotKeyRecorder::KeyDown(unsigned virtualKey, Shortcut held) {
    held &= kShortcutModifiers;
    if (const Shortcut modifier = ModifierOfKey(virtualKey)) {
        // A held modifier repeats its key-down: the combination it started goes on.
        pending_ = true;
        heldModifiers_ = held | modifier;
        return Outcome::kPending;
    }
    if (virtualKey == kBackspaceKey && held == 0) {
        SetValue(kNoShortcut);
        return Outcome::kCleared;
    }
    const Shortcut combination = held | Shortcut(virtualKey & kShortcutKeyMask);
    // A key without a name could never be stored or found again.
    if (KeyName(int(virtualKey & kShortcutKeyMask), keyNames_).empty()) return Outcome::kIgnored;
    if (KeptByWindows(combination)) {
        // The field goes back to what it held: letting the keys go then leaves it so, and
        // the word about the refusal stays on show.
        refused_ = combination;
        pending_ = false;
        heldModifiers_ = 0;
        return Outcome::kRefused;
    }
    // A held key repeats its key-down: the same combination again is no new entry.
    if (!pending_ && combination == value_) return Outcome::kIgnored;
    SetValue(combination);
    return Outcome::kRecorded;
}

HotKeyRecorder::Outcome HotKeyRecorder::KeyUp(unsigned virtualKey, Shortcut held) {
    if (!pending_) return Outcome::kIgnored;
    heldModifiers_ = (held & kShortcutModifiers) & ~ModifierOfKey(virtualKey);
    if (heldModifiers_ != 0) return Outcome::kPending;
    // A modifier let go alone leaves no combination, as the system's control does.
    SetValue(kNoShortcut);
    return Outcome::kCleared;
}

HotKeyRecorder::Outcome HotKeyRecorder::FocusLost() {
    if (!pending_) return Outcome::kIgnored;
    SetValue(kNoShortcut);
    return Outcome::kCleared;
}

std::string HotKeyRecorder::Text() const {
    if (pending_) return heldModifiers_ ? ModifierText(heldModifiers_) : kNoneText;
    const std::string text = ShortCutToText(value_, keyNames_);
    return text.empty() ? kNoneText : text;
}

}  // namespace quorvel
