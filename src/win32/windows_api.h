#pragma once

// <windows.h> for the adapters. Some API names are macros (ReplaceFile -> ReplaceFileW,
// FormatMessage -> FormatMessageW) that would silently rename the program's own functions of
// the same names, so they are removed; call the A/W functions by their full names.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#undef ReplaceFile
#undef FormatMessage
