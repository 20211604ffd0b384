#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvel {

// The one exception type of the program. It carries the text the user sees in the
// standard error report; it abandons the running operation and is caught at the
// window-procedure boundary.
class Error : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Fills the first "%s" of a message pattern, as the program's error texts are written.
std::string FormatText(std::string_view pattern, std::string_view argument);

}  // namespace quorvel
