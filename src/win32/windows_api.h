#pragma once

// <windows.h> for the adapters, without the min/max macros that break std::min/std::max.
// The program names none of its own functions after a Win32 macro, so no macro needs
// removing here.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
