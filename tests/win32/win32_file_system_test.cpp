#include "win32/win32_file_system.h"

#include <gtest/gtest.h>

#include "temp_folder.h"
#include "win32/handles.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {
namespace {

using Strings = std::vector<std::string>;

class Win32FileSystemTest : public ::testing::Test {
  protected:
    std::string At(const std::string& name) const { return folder.Path() + name; }

    TempFolder folder;
    Win32FileSystem files;
};

TEST_F(Win32FileSystemTest, ReplaceWritesExactlyTheBytesAndLeavesNothingElse) {
    const std::string path = At("Option.ini");
    EXPECT_FALSE(files.ReadFile(path));
    EXPECT_FALSE(files.FileExists(path));

    const std::string first("[A]\r\nk=1\nno final line break\0binary\xff", 37);
    ASSERT_TRUE(files.ReplaceFileContents(path, first));
    EXPECT_EQ(files.ReadFile(path), first);
    ASSERT_TRUE(files.ReplaceFileContents(path, "short"));
    EXPECT_EQ(files.ReadFile(path), "short");
    ASSERT_TRUE(files.ReplaceFileContents(path, ""));
    EXPECT_EQ(files.ReadFile(path), "");
    EXPECT_TRUE(files.FileExists(path));
    EXPECT_EQ(files.ListFiles(At("*")), Strings{"Option.ini"});
}

TEST_F(Win32FileSystemTest, FailedReplaceKeepsTheOldFileWhole) {
    const std::string path = At("BASE.INI");
    ASSERT_TRUE(files.ReplaceFileContents(path, "old"));

    // Held open by another program that does not allow it to be replaced.
    {
        UniqueFile holder(::CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(holder);
        EXPECT_FALSE(files.ReplaceFileContents(path, "new"));
    }
    EXPECT_EQ(files.ReadFile(path), "old");

    // A read-only file.
    ASSERT_TRUE(::SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(files.ReplaceFileContents(path, "new"));
    EXPECT_EQ(files.ReadFile(path), "old");
    ::SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_NORMAL);

    // A folder in the way, a missing folder, a name the system refuses.
    ASSERT_TRUE(files.CreateFolder(At("taken")));
    EXPECT_FALSE(files.ReplaceFileContents(At("taken"), "new"));
    EXPECT_FALSE(files.ReplaceFileContents(At("missing\\BASE.INI"), "new"));
    EXPECT_FALSE(files.ReplaceFileContents(At("bad|name.ini"), "new"));

    EXPECT_EQ(files.ListFiles(At("*")), Strings{"BASE.INI"});
}

TEST_F(Win32FileSystemTest, NamesAreUtf8OrTheAnsiCodePage) {
    // "Ü" in UTF-8, and "Ä" as a single byte of code page 1252.
    ASSERT_TRUE(files.ReplaceFileContents(At("\xC3\x9C"
                                             "ber.ini"),
                                          "utf8"));
    EXPECT_NE(::GetFileAttributesW((folder.WidePath() + L"\u00DCber.ini").c_str()),
              INVALID_FILE_ATTRIBUTES);
    if (::GetACP() == 1252) {
        ASSERT_TRUE(files.ReplaceFileContents(At("\xC4rger.ini"), "ansi"));
        EXPECT_EQ(files.ReadFile(Narrow(folder.WidePath() + L"\u00C4rger.ini")), "ansi");
    }
    EXPECT_EQ(files.ReadFile(At("\xC3\x9C"
                                "BER.INI")),
              "utf8");
}

TEST_F(Win32FileSystemTest, FoldersAndFileSearch) {
    ASSERT_TRUE(files.CreateFolder(At("PLUGIN\\nested\\deeper\\")));
    EXPECT_TRUE(files.CreateFolder(At("PLUGIN")));
    EXPECT_FALSE(files.FileExists(At("PLUGIN")));
    ASSERT_TRUE(files.ReplaceFileContents(At("PLUGIN\\Notes.dll"), ""));
    ASSERT_TRUE(files.ReplaceFileContents(At("PLUGIN\\readme.txt"), ""));
    ASSERT_TRUE(files.CreateFolder(At("PLUGIN\\folder.dll")));

    EXPECT_EQ(files.ListFiles(At("PLUGIN\\*.DLL")), Strings{"Notes.dll"});
    EXPECT_EQ(files.ListFiles(At("PLUGIN*.DLL")), Strings{});
    EXPECT_EQ(files.ListFiles(At("none\\*.DLL")), Strings{});
    ASSERT_TRUE(files.ReplaceFileContents(At("readme.txt"), "x"));
    EXPECT_FALSE(files.CreateFolder(At("readme.txt\\sub")));
}

}  // namespace
}  // namespace quorvel::win32
