#include "fakes/fake_file_system.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using Strings = std::vector<std::string>;

TEST(FakeFileSystem, WildcardsMatchLikeTheSystemsFileSearch) {
    EXPECT_TRUE(FakeFileSystem::MatchesWildcard("Notes.dll", "*.DLL"));
    EXPECT_TRUE(FakeFileSystem::MatchesWildcard("a.b.dll", "*.DLL"));
    EXPECT_FALSE(FakeFileSystem::MatchesWildcard("a.dllx", "*.DLL"));
    EXPECT_TRUE(FakeFileSystem::MatchesWildcard("ModsX.dll", "Mods*.DLL"));
    EXPECT_TRUE(FakeFileSystem::MatchesWildcard("ab1.txt", "ab?.TXT"));
    EXPECT_FALSE(FakeFileSystem::MatchesWildcard("ab.txt", "ab?.TXT"));
    EXPECT_TRUE(FakeFileSystem::MatchesWildcard("README", "*.*"));
}

TEST(FakeFileSystem, ListsMatchingFilesOfOneFolderSortedWithoutCase) {
    FakeFileSystem files;
    files.AddFile("C:\\Q\\PLUGIN\\zeta.dll", "");
    files.AddFile("C:\\Q\\PLUGIN\\Alpha.DLL", "");
    files.AddFile("C:\\Q\\PLUGIN\\notes.txt", "");
    files.AddFile("C:\\Q\\PLUGIN\\sub\\inner.dll", "");
    files.AddFile("C:\\Q\\PLUGINX.dll", "");
    EXPECT_EQ(files.ListFiles("c:\\q\\plugin\\*.DLL"), (Strings{"Alpha.DLL", "zeta.dll"}));
    EXPECT_EQ(files.ListFiles("C:\\Q\\PLUGIN*.DLL"), (Strings{"PLUGINX.dll"}));
    EXPECT_EQ(files.ListFiles("C:\\None\\*.DLL"), Strings{});
}

TEST(FakeFileSystem, WritesNeedAnExistingFolderAndCanBeMadeToFail) {
    FakeFileSystem files;
    EXPECT_FALSE(files.ReplaceFileContents("C:\\Q\\DATA\\BASE.INI", "x"));
    EXPECT_TRUE(files.CreateFolder("C:\\Q\\DATA\\"));
    EXPECT_TRUE(files.ReplaceFileContents("C:\\Q\\DATA\\BASE.INI", "x"));
    EXPECT_TRUE(files.FileExists("c:/q/data/base.ini"));
    EXPECT_EQ(files.ReadFile("C:\\q\\Data\\Base.ini"), "x");

    files.FailWrites("C:\\Q\\DATA\\base.ini");
    EXPECT_FALSE(files.ReplaceFileContents("C:\\Q\\DATA\\BASE.INI", "y"));
    EXPECT_EQ(files.File("C:\\Q\\DATA\\BASE.INI"), "x");
    EXPECT_FALSE(files.CreateFolder("C:\\Q\\DATA\\BASE.INI\\sub"));
    EXPECT_EQ(files.FilePaths(), Strings{"C:\\Q\\DATA\\BASE.INI"});
    EXPECT_EQ(files.CountCalls(FakeFileSystem::Op::kReplace), 3);
}

}  // namespace
}  // namespace quorvel
