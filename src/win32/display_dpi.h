#pragma once

#include "base/display_scale.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {

// The dots per inch of the monitor `window` lies on (GetDpiForWindow, Windows 10 1607 and
// later); with no window, or where the system lacks that call, the screen's LOGPIXELSY.
DisplayScale ScaleOfWindow(HWND window);

}  // namespace quorvel::win32
