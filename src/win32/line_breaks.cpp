#include "win32/line_breaks.h"

namespace quorvel::win32 {

std::wstring WithSystemLineBreaks(std::wstring_view text) {
    std::wstring result;
    result.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c != L'\r' && c != L'\n') {
            result += c;
            continue;
        }
        const wchar_t partner = c == L'\r' ? L'\n' : L'\r';
        if (i + 1 < text.size() && text[i + 1] == partner) ++i;
        result += L"\r\n";
    }
    return result;
}

}  // namespace quorvel::win32
