#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/shortcut.h"
#include "platform/key_names.h"

namespace quorvel {

// The name of a virtual-key code: the program's own names for the common keys, the
// system's (layout-dependent) name for the rest; empty when there is none.
std::string KeyName(int virtualKey, KeyNames& system);

// The prefixes of the value's modifiers: "Win+Shift+Ctrl+Alt+", each when its bit is set.
std::string ModifierText(Shortcut value);

// "Win+Shift+Ctrl+Alt+<key>", modifiers in that order; empty when the key has no name.
std::string ShortCutToText(Shortcut value, KeyNames& system);

// The reverse, tolerant of case and prefix order ("^" also means Ctrl). The key name is
// looked up over codes 8 to 597 in turn, so keypad digits read back as main-row digits.
// 0 when nothing matches.
Shortcut TextToShortCut(std::string_view text, KeyNames& system);

}  // namespace quorvel
