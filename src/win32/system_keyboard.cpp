#include "win32/system_keyboard.h"

#include <windows.h>

namespace quorvel::win32 {

void SystemKeyboard::ActivateLayout(const std::string& layoutIdentifier) {
    // The returned layout handle is the system's to keep; a layout that cannot be loaded
    // leaves the active one as it was.
    LoadKeyboardLayoutA(layoutIdentifier.c_str(), KLF_ACTIVATE);
}

}  // namespace quorvel::win32
