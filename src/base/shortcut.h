#pragma once

#include <cstdint>

namespace quorvel {

// A key with its shift states: the virtual-key code in bits 0-12, Shift 0x2000, Ctrl 0x4000,
// Alt 0x8000. It is the shortcut of an action, the value of a hot-key edit and, as text, a
// stored combination. 0 means no key.
using Shortcut = std::uint16_t;
constexpr Shortcut kShortcutShift = 0x2000;
constexpr Shortcut kShortcutCtrl = 0x4000;
constexpr Shortcut kShortcutAlt = 0x8000;
constexpr Shortcut kShortcutKeyMask = 0x1FFF;
constexpr Shortcut kNoShortcut = 0;

}  // namespace quorvel
