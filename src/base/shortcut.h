#pragma once

#include <cstdint>

namespace quorvel {

// A key with its shift states: the virtual-key code in bits 0-12, Shift 0x2000, Ctrl 0x4000,
// Alt 0x8000, and the Windows key 0x10000, outside the 16 bits that stored values (and the
// system's own shortcut values) use. It is the shortcut of an action, the value of a hot-key
// edit and, as text, a stored combination. 0 means no key.
using Shortcut = std::uint32_t;
constexpr Shortcut kShortcutShift = 0x2000;
constexpr Shortcut kShortcutCtrl = 0x4000;
constexpr Shortcut kShortcutAlt = 0x8000;
constexpr Shortcut kShortcutWin = 0x10000;
constexpr Shortcut kShortcutModifiers =
    kShortcutShift | kShortcutCtrl | kShortcutAlt | kShortcutWin;
constexpr Shortcut kShortcutKeyMask = 0x1FFF;
constexpr Shortcut kNoShortcut = 0;

}  // namespace quorvel
