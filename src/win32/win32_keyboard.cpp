#include "win32/win32_keyboard.h"

#include "win32/windows_api.h"

namespace quorvel::win32 {

void Win32Keyboard::ActivateLayout(const std::string& layoutIdentifier) {
    // The returned layout handle is the system's to keep; a layout that cannot be loaded
    // leaves the active one as it was.
    LoadKeyboardLayoutA(layoutIdentifier.c_str(), KLF_ACTIVATE);
}

}  // namespace quorvel::win32
