#include "modules/field_of.h"

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

}  // namespace quorvel
