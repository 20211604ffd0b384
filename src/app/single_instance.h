#pragma once

#include "platform/single_instance.h"

namespace quorvel {

inline constexpr char kInstanceEventName[] = "RIVAVIZE3";
inline constexpr char kApplicationTitle[] = "Quorvel 3.5";
inline constexpr char kMainWindowCaption[] = "ZORIZED3";
// Asks the main window to enter (WParam 0) or leave (WParam 1) background mode.
inline constexpr unsigned kBackgroundModeMessage = 0x486;

// True when this is the first instance: it goes on to create its windows. Otherwise the
// running instance is brought forward and told to leave background mode, and the caller
// ends with exit code 0, creating no window.
bool ClaimFirstInstance(InstanceSystem& system);

}  // namespace quorvel
