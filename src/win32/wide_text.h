#pragma once

#include <string>
#include <string_view>

namespace quorvel::win32 {

// Program text to UTF-16 for the system: valid UTF-8 is taken as UTF-8, anything else as
// text in the system's ANSI code page (files and names written by older programs).
std::wstring WidenText(std::string_view text);

// UTF-16 from the system to program text (UTF-8).
std::string NarrowText(std::wstring_view text);

}  // namespace quorvel::win32
