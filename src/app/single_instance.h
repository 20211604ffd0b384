#pragma once

#include "base/program_names.h"
#include "base/window_messages.h"
#include "platform/instance_system.h"

namespace quorvel {

inline constexpr char kInstanceEventName[] = "RIVAVIZE3";
// How long a second start waits for the running instance to leave background mode. A hung
// instance must not hang the second start with it.
inline constexpr int kWakeTimeoutMilliseconds = 2000;

// True when this is the first instance: it goes on to create its windows. Otherwise the
// running instance is brought forward and told to leave background mode, and the caller
// ends with exit code 0, creating no window, whether the running instance answered or not.
bool ClaimFirstInstance(InstanceSystem& system);

}  // namespace quorvel
