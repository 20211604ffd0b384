#pragma once

#include "platform/file_system.h"

// Built only into the program the end-to-end tests drive (quorvel_test), never into the
// one users get.
namespace quorvel {
class Program;
}

namespace quorvel::win32 {

// Pops a menu of the main window up: WParam 1 for Menu1, 2 for Menu2; LParam holds the
// screen position (x in the low word, y in the high word). The tests show the parking menu
// with it, which nothing else opens while no window is parked.
inline constexpr unsigned kPopupMenuMessage = 0x8051;

// Answers the IconChecksum of the big icon of the window in WParam, read inside the program
// (other processes cannot read a window's icon everywhere).
inline constexpr unsigned kIconChecksumMessage = 0x8052;

// WParam 1: every later replace of a file fails as on a full disc; 0: the disc has room
// again. The fault tests of saving use it, since no test can fill a real disc.
inline constexpr unsigned kFullDiscMessage = 0x8053;

// Answers a count of what the program's handle wrappers hold: WParam 0 for the GDI objects,
// 1 for the USER objects, 2 for the kernel handles. Read between two messages of the window
// thread, so never half way through an operation.
inline constexpr unsigned kHeldObjectsMessage = 0x8054;

// WParam a DPI: the main window is sent WM_DPICHANGED for it, with the rectangle the system
// would suggest (the window's place, its size scaled from the windows' current DPI). Wine
// gives every monitor one DPI and never sends it; the rectangle must lie in the program.
inline constexpr unsigned kDisplayScaleMessage = 0x8055;

// The program's files with a disc that can be made full.
class TestFileSystem : public FileSystem {
  public:
    explicit TestFileSystem(FileSystem& files) : files_(files) {}
    void SetDiscFull(bool full) { discFull_ = full; }

    std::optional<std::string> ReadFile(const std::string& path) override {
        return files_.ReadFile(path);
    }
    bool ReplaceFileContents(const std::string& path, std::string_view bytes) override {
        return !discFull_ && files_.ReplaceFileContents(path, bytes);
    }
    bool FileExists(const std::string& path) override { return files_.FileExists(path); }
    std::optional<FileStamp> Stamp(const std::string& path) override { return files_.Stamp(path); }
    std::optional<std::uint64_t> FileSize(const std::string& path) override {
        return files_.FileSize(path);
    }
    bool CreateFolder(const std::string& path) override { return files_.CreateFolder(path); }
    std::vector<std::string> ListFiles(const std::string& pattern) override {
        return files_.ListFiles(pattern);
    }

  private:
    FileSystem& files_;
    bool discFull_ = false;
};

// Makes the main window answer kPopupMenuMessage, kIconChecksumMessage, kFullDiscMessage,
// kHeldObjectsMessage and kDisplayScaleMessage.
void InstallTestHooks(Program& program, TestFileSystem& files);

}  // namespace quorvel::win32
