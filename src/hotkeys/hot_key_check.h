#pragma once

#include <string>

#include "base/shortcut.h"
#include "hotkeys/combination_store.h"
#include "platform/system_hot_keys.h"

namespace quorvel {

// The identifier a combination is tried under while the editor is open. No combination is
// registered then, and the list never numbers one this high.
constexpr int kTrialHotKeyId = 0xBFFF;

// What the hot-key field tells about the combination just pressed.
struct HotKeyVerdict {
    enum class Kind { kFree, kStored, kTaken, kKeptByWindows };
    Kind kind;
    std::string text;
};

// Whether a combination is free, already stored (which entry, with its comment) or held by
// Windows or another program. A stored one is named before it is tried: while the editor
// is open the program itself holds none. The trial registration is released at once.
HotKeyVerdict CheckHotKey(Shortcut value, CombinationStore& store, SystemHotKeys& hotKeys,
                          KeyNames& keyNames);

}  // namespace quorvel
