#pragma once

#include "base/shortcut.h"

namespace quorvel {

// Whether Windows keeps the combination for itself (Win+L locks the computer, Win+E opens
// the Explorer, Ctrl+Alt+Del ...): such a combination never reaches a program, whatever a
// registration says, so the editor does not offer it.
bool KeptByWindows(Shortcut value);

}  // namespace quorvel
