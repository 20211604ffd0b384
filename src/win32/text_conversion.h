#pragma once

#include <string>
#include <string_view>

namespace quorvel::win32 {

// Program texts are bytes as stored: valid UTF-8 is taken as UTF-8, anything else as
// the system ANSI code page, so files written by older tools still show correctly.
std::wstring Widen(std::string_view text);

// Texts the system hands back are returned as UTF-8.
std::string Narrow(std::wstring_view text);

}  // namespace quorvel::win32
