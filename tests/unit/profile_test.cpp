#include "settings/profile.h"

#include <gtest/gtest.h>

#include <functional>

#include "base/error.h"
#include "fakes/fake_file_system.h"

namespace quorvel {
namespace {

using Op = FakeFileSystem::Op;

const std::string kPath = "C:\\Quorvel\\Option.ini";

class ProfileTest : public ::testing::Test {
  protected:
    void SetUp() override { files.AddFolder("C:\\Quorvel"); }

    std::string ErrorOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const Error& error) {
            return error.what();
        }
        return "no error";
    }

    FakeFileSystem files;
    Profile profile{files};
};

TEST_F(ProfileTest, FirstWriteCreatesTheFileAndEveryCallReadsItAgain) {
    EXPECT_EQ(profile.ReadIniValue("PROGRAM", "AUTORUN", kPath), "n/a");
    profile.WriteIniValue("PROGRAM", "AUTORUN", "0", kPath);
    EXPECT_EQ(files.File(kPath), "[PROGRAM]\r\nAUTORUN=0\r\n");

    files.AddFile(kPath, "[program]\r\nautorun = true\r\n");  // edited by hand
    EXPECT_EQ(profile.ReadIniValue("PROGRAM", "AUTORUN", kPath), "true");
    EXPECT_EQ(files.CountCalls(Op::kRead), 3);
}

TEST_F(ProfileTest, WritingTheStoredValueAgainDoesNotTouchTheFile) {
    files.AddFile(kPath, "[A]\nk=1\n");
    files.ClearCalls();
    profile.WriteIniValue("A", "k", "1", kPath);
    profile.EraseIniSection("B", kPath);
    EXPECT_EQ(files.CountCalls(Op::kReplace), 0);
}

TEST_F(ProfileTest, FailedWriteRaisesAndLeavesTheFileWhole) {
    const std::string before = "[TRAY]\r\nDRIVE=D:\r\n";
    files.AddFile(kPath, before);
    files.FailWrites(kPath);
    EXPECT_EQ(ErrorOf([&] { profile.WriteIniValue("TRAY", "DRIVE", "E:", kPath); }),
              "Unable to write to C:\\Quorvel\\Option.ini");
    EXPECT_EQ(ErrorOf([&] { profile.EraseIniSection("TRAY", kPath); }),
              "Unable to write to C:\\Quorvel\\Option.ini");
    EXPECT_EQ(files.File(kPath), before);
}

TEST_F(ProfileTest, FileInAMissingFolderCannotBeCreated) {
    const std::string path = "C:\\Quorvel\\DATA\\BASE.INI";
    EXPECT_EQ(ErrorOf([&] { profile.WriteIniValue("Base", "Index", "0", path); }),
              "Unable to write to " + path);
    EXPECT_FALSE(files.File(path));
}

TEST_F(ProfileTest, FileThatCannotBeReadIsNeverOverwritten) {
    files.AddFile(kPath, "[A]\nk=1\n");
    files.FailReads(kPath);
    EXPECT_EQ(profile.ReadIniValue("A", "k", kPath), "n/a");
    EXPECT_EQ(ErrorOf([&] { profile.WriteIniValue("A", "j", "2", kPath); }),
              "Unable to write to " + kPath);
    EXPECT_EQ(files.File(kPath), "[A]\nk=1\n");
}

TEST_F(ProfileTest, EraseRemovesTheSectionAndIgnoresWhatIsMissing) {
    profile.EraseIniSection("HOT1", kPath);
    EXPECT_FALSE(files.File(kPath));

    files.AddFile(kPath, "[Base]\nIndex=2\n[HOT1]\nHotKey=Ctrl+A\n[HOT2]\nHotKey=Ctrl+B\n");
    profile.EraseIniSection("hot2", kPath);
    EXPECT_EQ(files.File(kPath), "[Base]\nIndex=2\n[HOT1]\nHotKey=Ctrl+A\n");
    EXPECT_EQ(profile.ReadIniValue("HOT2", "HotKey", kPath), "n/a");
}

}  // namespace
}  // namespace quorvel
