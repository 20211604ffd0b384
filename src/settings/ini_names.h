#pragma once

#include <string>
#include <string_view>

// How the profile engine compares and trims names, shared by its parts.
namespace quorvel::ini {

// The blanks the profile functions trim: tab, line breaks, vertical tab, form feed, the DOS
// end-of-file mark ^Z and the space.
inline bool IsBlank(char c) {
    return (c >= '\t' && c <= '\r') || c == '\x1a' || c == ' ';
}

inline std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Names match without regard to the case of A-Z only, as the engine always has.
inline char FoldCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    }
    return true;
}

inline std::string FoldedName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) c = FoldCase(c);
    return folded;
}

}  // namespace quorvel::ini
