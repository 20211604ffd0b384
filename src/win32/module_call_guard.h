#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quorvel::win32 {

// Runs one call into an action module. When the module does not return normally - a C++
// exception leaves it, its runtime aborts over an exception it cannot pass on, or a system
// exception (an MSVC or Delphi throw, an access violation) is left unhandled in it - the
// call is abandoned instead of the program, and quorvel::Error says which module failed.
void GuardModuleCall(const std::string& module, std::string_view exportName,
                     const std::function<void()>& call);

// A text a module returned: the bytes up to its terminating zero, but never past the end
// of the readable memory it lies in and never more than kMaxModuleText bytes, so a text
// without its zero cannot make the program read into memory that is not there.
inline constexpr std::size_t kMaxModuleText = 65535;
std::string ReadModuleText(const char* text);

}  // namespace quorvel::win32
