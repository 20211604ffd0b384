#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// What FieldOf gives for a field that does not exist.
inline constexpr std::string_view kErrorIndex = "ERROR INDEX";

// Field n (1-based) of a text split at `delimiter`. Each field starts right after the
// delimiter that ended the previous one and always takes its first character, whatever
// it is, so an empty field reads as the delimiter plus the next field ("a,,b," field 2 is
// ",b"). A field starting at or past the end of the text reads "ERROR INDEX". Callers
// append the delimiter to a text before asking for its fields.
std::string FieldOf(std::string_view text, char delimiter, int n);

}  // namespace quorvel
