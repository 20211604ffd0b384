#pragma once

#include "base/program_names.h"
#include "base/window_messages.h"
#include "platform/instance_system.h"

namespace quorvel {

inline constexpr char kInstanceEventName[] = "RIVAVIZE3";

// True when this is the first instance: it goes on to create its windows. Otherwise the
// running instance is brought forward and told to leave background mode, and the caller
// ends with exit code 0, creating no window.
bool ClaimFirstInstance(InstanceSystem& system);

}  // namespace quorvel
