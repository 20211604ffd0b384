#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace quorvel {

// An in-memory file system with Windows rules: paths are matched without regard to case,
// "\" and "/" both separate, a file can only be written into an existing folder (drive
// roots and the current folder always exist). Writes and reads can be made to fail for a
// path, and every call is recorded.
class FakeFileSystem : public FileSystem {
  public:
    enum class Op { kRead, kReplace, kExists, kCreateFolder, kList, kStamp };
    struct Call {
        Op op;
        std::string path;
        bool operator==(const Call&) const = default;
    };

    // Setting up. AddFile creates the file's folders.
    void AddFile(const std::string& path, std::string_view bytes);
    void AddFolder(const std::string& path);
    void RemoveFile(const std::string& path);

    // ReplaceFileContents on this path fails (as for a read-only file or a full disc) and leaves
    // the file as it is; ReadFile of an existing file fails (as for a file locked by another
    // program).
    void FailWrites(const std::string& path, bool fail = true);
    void FailReads(const std::string& path, bool fail = true);

    // The clock, in 100 ns steps. A file written gets the clock's time cut to two seconds, as
    // FAT keeps it: the coarsest file times a reader must cope with.
    void AdvanceClock(std::int64_t ticks) { now_ += ticks; }

    // Looking at the result.
    std::optional<std::string> File(const std::string& path) const;
    bool HasFolder(const std::string& path) const;
    std::vector<std::string> FilePaths() const;  // as first spelled, in path order
    const std::vector<Call>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }
    int CountCalls(Op op) const;

    // FileSystem
    std::optional<std::string> ReadFile(const std::string& path) override;
    bool ReplaceFileContents(const std::string& path, std::string_view bytes) override;
    bool FileExists(const std::string& path) override;
    std::optional<std::uint64_t> FileSize(const std::string& path) override;
    std::optional<FileStamp> Stamp(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    std::vector<std::string> ListFiles(const std::string& pattern) override;

    // Windows-style wildcard match ("*" any run, "?" one character), without regard to
    // case; "*.*" matches every name.
    static bool MatchesWildcard(std::string_view name, std::string_view pattern);

  private:
    struct Entry {
        std::string path;  // as first spelled
        std::string bytes;
        std::int64_t lastWrite = 0;
    };
    std::int64_t FileTime() const { return now_ - now_ % 20'000'000; }
    static std::string Key(std::string_view path);
    bool FolderExists(const std::string& key) const;

    std::map<std::string, Entry> files_;
    std::set<std::string> folders_;
    std::set<std::string> failWrites_;
    std::set<std::string> failReads_;
    std::vector<Call> calls_;
    std::int64_t now_ = 133'000'000'000'000'000;
};

}  // namespace quorvel
