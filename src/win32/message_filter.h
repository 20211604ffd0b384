#pragma once

#include "win32/windows_api.h"

namespace quorvel::win32 {

// Lets `message` reach `window` from processes that run with less rights than this one
// (User Interface Privilege Isolation drops such messages otherwise). A failure leaves the
// program working for everything but those senders: it is written to the debugger output,
// and false is returned.
bool AllowMessageFromLowerRights(HWND window, UINT message);

}  // namespace quorvel::win32
