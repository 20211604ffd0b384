#include "settings/profile.h"

#include <gtest/gtest.h>

#include <cstdint>
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

// The parse is kept between reads, but no edit may hide behind it: the fake file system keeps
// file times in two-second steps, as FAT does.
TEST_F(ProfileTest, AnEditOfTheSameSizeWithinTheSameSecondIsSeenByTheNextRead) {
    constexpr std::int64_t kSecond = 10'000'000;
    files.AddFile(kPath, "[TRAY]\r\nDRIVE=D:\r\n");
    EXPECT_EQ(profile.ReadIniValue("TRAY", "DRIVE", kPath), "D:");
    files.AdvanceClock(kSecond / 2);
    files.AddFile(kPath, "[TRAY]\r\nDRIVE=E:\r\n");  // same size, same file time
    EXPECT_EQ(profile.ReadIniValue("TRAY", "DRIVE", kPath), "E:");
    // A write starts from the file as it is now, not from the parse kept.
    files.AddFile(kPath, "[TRAY]\r\nDRIVE=F:\r\n");
    profile.WriteIniValue("TRAY", "ANIMATION", "0", kPath);
    EXPECT_EQ(files.File(kPath), "[TRAY]\r\nDRIVE=F:\r\nANIMATION=0\r\n");

    // Long after its last write, an unchanged file is not read again...
    files.AdvanceClock(3 * kSecond);
    EXPECT_EQ(profile.ReadIniValue("TRAY", "DRIVE", kPath), "F:");
    files.ClearCalls();
    EXPECT_EQ(profile.ReadIniValue("TRAY", "DRIVE", kPath), "F:");
    EXPECT_EQ(files.CountCalls(Op::kRead), 0);
    // ...and an edit of the same size then still gets a later time.
    files.AdvanceClock(kSecond / 10);
    files.AddFile(kPath, "[TRAY]\r\nDRIVE=G:\r\nANIMATION=0\r\n");
    EXPECT_EQ(profile.ReadIniValue("TRAY", "DRIVE", kPath), "G:");
}

TEST_F(ProfileTest, AnEditIsWrittenWithOneReplaceOrNotAtAll) {
    files.AddFile(kPath, "[A]\r\nk=1\r\n[B]\r\nj=2\r\n");
    files.ClearCalls();
    {
        ProfileEdit edit(profile, kPath, MissingFile::kRefuse);
        edit.WriteIniValue("A", "k", "3");
        edit.EraseIniSection("B");
        edit.WriteIniValue("C", "x", edit.ReadIniValue("A", "k"));
        EXPECT_EQ(files.CountCalls(Op::kReplace), 0);
        edit.Commit();
    }
    EXPECT_EQ(files.CountCalls(Op::kReplace), 1);
    EXPECT_EQ(files.File(kPath), "[A]\r\nk=3\r\n[C]\r\nx=3\r\n");

    // Failing half-way through leaves the file as it was.
    files.FailWrites(kPath);
    ProfileEdit failing(profile, kPath);
    failing.WriteIniValue("A", "k", "4");
    EXPECT_EQ(ErrorOf([&] { failing.Commit(); }), "Unable to write to " + kPath);
    EXPECT_EQ(files.File(kPath), "[A]\r\nk=3\r\n[C]\r\nx=3\r\n");
}

TEST_F(ProfileTest, ASaveThatNeedsTheFileRefusesAMissingOrUnreadableOne) {
    const std::string refused = "Unable to write to " + kPath;
    EXPECT_EQ(ErrorOf([&] { ProfileEdit(profile, kPath, MissingFile::kRefuse); }), refused);
    EXPECT_FALSE(files.File(kPath));
    files.AddFile(kPath, "[A]\nk=1\n");
    files.FailReads(kPath);
    EXPECT_EQ(ErrorOf([&] { ProfileEdit(profile, kPath, MissingFile::kRefuse); }), refused);
    EXPECT_EQ(ErrorOf([&] { ProfileEdit(profile, kPath, MissingFile::kCreate); }), refused);
}

}  // namespace
}  // namespace quorvel
