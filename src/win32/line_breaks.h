#pragma once

#include <string>
#include <string_view>

namespace quorvel::win32 {

// Texts of the program break lines with CR, LF, CR LF or LF CR (each one break); the
// system's text drawing wants CR LF.
std::wstring WithSystemLineBreaks(std::wstring_view text);

}  // namespace quorvel::win32
