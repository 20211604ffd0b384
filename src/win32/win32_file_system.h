#pragma once

#include "platform/file_system.h"

namespace quorvel::win32 {

// The program's files on a Windows file system. Paths are converted with Widen.
class Win32FileSystem : public FileSystem {
  public:
    std::optional<std::string> ReadFile(const std::string& path) override;
    bool ReplaceFileContents(const std::string& path, std::string_view bytes) override;
    bool FileExists(const std::string& path) override;
    std::optional<std::uint64_t> FileSize(const std::string& path) override;
    std::optional<FileStamp> Stamp(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    std::vector<std::string> ListFiles(const std::string& pattern) override;
};

}  // namespace quorvel::win32
