#include "hotkeys/hot_key_check.h"

#include "hotkeys/dispatch.h"
#include "hotkeys/reserved_combinations.h"
#include "hotkeys/shortcut_text.h"
#include "hotkeys/unavailable_keys.h"

namespace quorvel {

HotKeyVerdict CheckHotKey(Shortcut value, CombinationStore& store, SystemHotKeys& hotKeys,
                          KeyNames& keyNames) {
    using Kind = HotKeyVerdict::Kind;
    const std::string text = ShortCutToText(value, keyNames);
    if (KeptByWindows(value)) return {Kind::kKeptByWindows, KeptByWindowsText(text)};
    if (const int stored = store.FindStored(text); stored > 0) {
        std::string entry = "Already stored: " + store.EntryTitle(stored);
        const std::string comment = DecodeComment(store.ReadValue(stored, "Comment"));
        if (!comment.empty()) entry += '\r' + comment;
        return {Kind::kStored, entry};
    }
    const HotKeySplit split = ShortCutToModifiers(value);
    if (!hotKeys.Register(kTrialHotKeyId, split.modifiers | kModNoRepeat, split.virtualKey))
        return {Kind::kTaken, UnavailableBalloonText({text})};
    hotKeys.Unregister(kTrialHotKeyId);
    return {Kind::kFree, "Free: " + text};
}

}  // namespace quorvel
