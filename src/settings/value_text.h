#pragma once

#include <string>
#include <string_view>

// Conversions between stored texts and values, strict as the program has always read them.
namespace quorvel {

// On for a number other than zero ("1", "-1", "2", "0.5"), off for zero ("0", "0.0"), and
// the words "True" / "False" in any case. Anything else, including "n/a" for a missing key,
// raises "'<text>' is not a valid boolean value".
bool ParseBoolean(std::string_view text);

// How a boolean is stored: "-1" for on, "0" for off.
std::string_view BooleanText(bool value);

// A 32-bit integer: decimal with an optional sign, or hexadecimal after "$" or "0x"; no
// blanks around it. Anything else raises "'<text>' is not a valid integer value".
int ParseInteger(std::string_view text);

}  // namespace quorvel
