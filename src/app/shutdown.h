#pragma once

#include <string>

#include "platform/message_dialogs.h"
#include "settings/options.h"

namespace quorvel {

// Closing the main window: asks first while MESSAGE/EXIT_PROGRAM is on. True when the
// window may close; Cancel (also Esc or the box's close command) keeps the program running
// in the state it was in. A stored value that is no boolean raises the conversion error.
bool ConfirmExit(const Options& options, MessageDialogs& dialogs, const std::string& question);

}  // namespace quorvel
