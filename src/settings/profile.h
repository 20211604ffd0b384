#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace quorvel {

// The three file operations every INI-style file of the program goes through. Each call
// reads the whole file and, when it changes something, replaces it whole; nothing is kept
// between calls, so a hand edit is seen by the next read.
class Profile {
  public:
    explicit Profile(FileSystem& files) : files_(files) {}

    // The value of `key` in `section` of the file at `path`, "n/a" when anything is missing.
    std::string ReadIniValue(std::string_view section, std::string_view key,
                             const std::string& path);

    // Writes the value, creating the file, section and key as needed. Raises
    // "Unable to write to <path>" when the file cannot be written; it is then unchanged.
    void WriteIniValue(std::string_view section, std::string_view key, std::string_view value,
                       const std::string& path);

    // Removes the section with all its lines; a missing section or file is no error.
    void EraseIniSection(std::string_view section, const std::string& path);

  private:
    std::string ReadForUpdate(const std::string& path);
    void Replace(const std::string& path, const std::string& text);

    FileSystem& files_;
};

}  // namespace quorvel
