#pragma once

#include <cstdint>
#include <string>

namespace quorvel {

// Opens documents and web pages with the program the user chose for them.
class Shell {
  public:
    virtual ~Shell() = default;
    // Fire and forget: a failure (no browser, no network) is not the program's to report.
    virtual void Open(std::uintptr_t ownerWindow, const std::string& address) = 0;
};

}  // namespace quorvel
