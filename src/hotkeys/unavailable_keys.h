#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// What the program says about combinations the system refused to register.
inline constexpr char kUnavailableTitle[] = "Quorvel";
// Added to a list entry whose combination could not be registered.
inline constexpr std::string_view kUnavailableMark = " (!)";
// The line the entry's hint gets for it.
inline constexpr char kUnavailableHint[] =
    "Not available \u2014 used by Windows or another program";

// "Not available: Ctrl+Alt+Del, Win+E — used by Windows or another program".
std::string UnavailableBalloonText(const std::vector<std::string>& hotKeys);
// "Not available: Win+L — kept by Windows".
std::string KeptByWindowsText(const std::string& hotKey);

}  // namespace quorvel
