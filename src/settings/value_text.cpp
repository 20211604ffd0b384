#include "settings/value_text.h"

#include <cstdint>
#include <optional>

#include "base/error.h"

namespace quorvel {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigit(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool SameWord(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 32) : text[i];
        if (c != word[i]) return false;
    }
    return true;
}

// A decimal number such as "-1", "2", "0.5", ".5" or "1e3"; tells whether it is non-zero.
std::optional<bool> DecimalIsNonZero(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false;
    bool nonZero = false;
    for (; i < text.size() && IsDigit(text[i]); ++i) digits = true, nonZero |= text[i] != '0';
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i)
            digits = true, nonZero |= text[i] != '0';
    }
    if (!digits) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t exponentStart = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        if (i == exponentStart) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    return nonZero;
}

}  // namespace

bool ParseBoolean(std::string_view text) {
    if (auto number = DecimalIsNonZero(text)) return *number;
    if (SameWord(text, "TRUE")) return true;
    if (SameWord(text, "FALSE")) return false;
    throw Error(FormatText("'%s' is not a valid boolean value", text));
}

std::string_view BooleanText(bool value) {
    return value ? "-1" : "0";
}

int ParseInteger(std::string_view text) {
    auto fail = [&]() -> int {
        throw Error(FormatText("'%s' is not a valid integer value", text));
    };
    std::string_view rest = text;
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    int base = 10;
    if (!rest.empty() && rest.front() == '$') {
        base = 16;
        rest.remove_prefix(1);
    } else if (rest.size() > 1 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        base = 16;
        rest.remove_prefix(2);
    }
    if (rest.empty()) return fail();

    // Hexadecimal takes all 32 bits ("$FFFFFFFF" is -1); decimal must fit the signed range.
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
    std::uint64_t magnitude = 0;
    for (char c : rest) {
        int digit = base == 16 ? HexDigit(c) : (IsDigit(c) ? c - '0' : -1);
        if (digit < 0) return fail();
        magnitude = magnitude * base + digit;
        if (magnitude > limit) return fail();
    }
    auto bits = static_cast<std::uint32_t>(negative ? 0 - magnitude : magnitude);
    return static_cast<std::int32_t>(bits);
}

}  // namespace quorvel
