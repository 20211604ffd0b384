#include "hotkeys/unavailable_keys.h"

namespace quorvel {

std::string UnavailableBalloonText(const std::vector<std::string>& hotKeys) {
    std::string text = "Not available: ";
    for (std::size_t i = 0; i < hotKeys.size(); ++i) {
        if (i > 0) text += ", ";
        text += hotKeys[i];
    }
    return text + " \u2014 used by Windows or another program";
}

std::string KeptByWindowsText(const std::string& hotKey) {
    return "Not available: " + hotKey + " \u2014 kept by Windows";
}

}  // namespace quorvel
