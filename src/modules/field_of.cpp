#include "modules/field_of.h"

#include <charconv>

#include "base/error.h"

namespace quorvel {

std::string FieldOf(std::string_view text, char delimiter, int n) {
    std::size_t start = 0;
    for (int field = 1; n >= 1; ++field) {
        if (start >= text.size()) break;
        // The first character belongs to the field even when it is a delimiter.
        std::size_t end = text.find(delimiter, start + 1);
        if (end == std::string_view::npos) end = text.size();
        if (field == n) return std::string(text.substr(start, end - start));
        start = end + 1;
    }
    return std::string(kErrorIndex);
}

int IntegerValue(std::string_view text) {
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    int value = 0;
    const char* first = digits.data();
    const char* last = digits.data() + digits.size();
    // from_chars takes a leading '-' itself; a second sign is rejected.
    auto [end, error] = std::from_chars(first, last, value);
    bool signTwice = text.size() > digits.size() && !digits.empty() && digits.front() == '-';
    if (digits.empty() || error != std::errc() || end != last || signTwice) {
        throw Error(FormatMessage("'%s' is not a valid integer value", text));
    }
    return value;
}

}  // namespace quorvel
