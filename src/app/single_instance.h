#pragma once

#include "base/window_messages.h"
#include "platform/single_instance.h"

namespace quorvel {

inline constexpr char kInstanceEventName[] = "RIVAVIZE3";
inline constexpr char kApplicationTitle[] = "Quorvel 3.5";
// The application title while the program starts: a second start does not find it yet.
inline constexpr char kStartingTitle[] = "Quorvel started ...";
inline constexpr char kMainWindowCaption[] = "ZORIZED3";

// True when this is the first instance: it goes on to create its windows. Otherwise the
// running instance is brought forward and told to leave background mode, and the caller
// ends with exit code 0, creating no window.
bool ClaimFirstInstance(InstanceSystem& system);

}  // namespace quorvel
