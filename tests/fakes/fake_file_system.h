#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace quorvel {

// An in-memory file system with Windows rules: paths are matched without regard to case.
// (Minimal stand-in: the full fake replaces it.)
class FakeFileSystem : public FileSystem {
  public:
    void AddFile(const std::string& path, std::string_view bytes);
    void RemoveFile(const std::string& path);
    void FailWrites(const std::string& path, bool fail = true);
    std::optional<std::string> File(const std::string& path) const;

    std::optional<std::string> ReadFile(const std::string& path) override;
    bool ReplaceFile(const std::string& path, std::string_view bytes) override;
    bool FileExists(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    std::vector<std::string> ListFiles(const std::string& pattern) override;

    static bool MatchesWildcard(std::string_view name, std::string_view pattern);

  private:
    struct Entry {
        std::string path;
        std::string bytes;
    };
    static std::string Key(std::string_view path);
    std::map<std::string, Entry> files_;
    std::map<std::string, bool> failWrites_;
};

}  // namespace quorvel
