#include "win32/win32_key_names.h"

#include "win32/windows_api.h"

namespace quorvel::win32 {

std::string Win32KeyNames::SystemKeyName(int virtualKey) {
    const UINT scanCode = MapVirtualKeyA(UINT(virtualKey), MAPVK_VK_TO_VSC);
    if (scanCode == 0) return {};
    char name[64] = {};
    const int length = GetKeyNameTextA(LONG(scanCode << 16), name, int(sizeof name));
    return length > 0 ? std::string(name, std::size_t(length)) : std::string();
}

}  // namespace quorvel::win32
