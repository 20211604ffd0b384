#pragma once

#include <string>
#include <string_view>

#include "platform/autorun_registry.h"

namespace quorvel {

// The name of the registry value that starts the program at logon.
inline constexpr std::string_view kAutorunValueName = "Quorvel";

// The value's data: the program file's full path in double quotes, a blank and "AUTO".
std::string AutorunCommand(std::string_view programFile);

// Makes the program start at logon. Written for all users; when the machine-wide key
// cannot be opened (no rights), for the current user instead, so the option never silently
// does nothing. Raises "Failed to set data for 'Quorvel'" when the value cannot be written.
void SetAutorun(AutorunRegistry& registry, std::string_view programFile);

// Removes the value for all users and for the current user; a missing value is no error.
void ClearAutorun(AutorunRegistry& registry);

}  // namespace quorvel
