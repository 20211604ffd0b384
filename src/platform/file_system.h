#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// What tells whether a file changed without reading it, in 100 ns units: its size, its last
// write time, and the file system's clock at the moment it was asked.
struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t lastWrite = 0;
    std::int64_t now = 0;
};

// Whole-file access for the core. Paths are program texts (Windows paths, bytes as
// stored); every call opens and closes what it touches, nothing is cached.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // The file's bytes, or nothing when it does not exist or cannot be read.
    virtual std::optional<std::string> ReadFile(const std::string& path) = 0;

    // Replaces the whole file with `bytes`: written to a temporary file beside it, then
    // renamed over it, so a crash or a full disc never leaves a half-written file.
    // False when it fails; the old file is then untouched.
    virtual bool ReplaceFileContents(const std::string& path, std::string_view bytes) = 0;

    virtual bool FileExists(const std::string& path) = 0;

    // The file's size in bytes, or nothing when it does not exist or is a folder; lets a
    // caller refuse a file too large to read whole.
    virtual std::optional<std::uint64_t> FileSize(const std::string& path) = 0;
    // The file's stamp, or nothing when there is no file or it cannot be told; the reader
    // then compares the bytes.
    virtual std::optional<FileStamp> Stamp(const std::string& /*path*/) { return std::nullopt; }

    // Creates the folder (and its parents); true when it exists afterwards.
    virtual bool CreateFolder(const std::string& path) = 0;

    // Names (without folder) of the files matching a wildcard pattern such as
    // "C:\Quorvel\PLUGIN\*.DLL", as the system's file search reports them.
    virtual std::vector<std::string> ListFiles(const std::string& pattern) = 0;
};

}  // namespace quorvel
