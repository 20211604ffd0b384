#include "settings/options.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/error.h"
#include "fakes/fake_file_system.h"
#include "settings/value_text.h"

namespace quorvel {
namespace {

template <typename Action>
std::string ErrorOf(Action action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "no error";
}

TEST(ValueText, BooleansAreReadStrictly) {
    for (const char* on : {"1", "-1", "2", "true", "TRUE", "True", "0.5", "+3"}) {
        EXPECT_TRUE(ParseBoolean(on)) << on;
    }
    for (const char* off : {"0", "-0", "False", "false", "FALSE", "0.0", "00"}) {
        EXPECT_FALSE(ParseBoolean(off)) << off;
    }
    for (const char* bad : {"yes", "n/a", "", " 1", "1 ", "on", "1x", "$1", "-", "."}) {
        EXPECT_EQ(ErrorOf([&] { ParseBoolean(bad); }),
                  std::string("'") + bad + "' is not a valid boolean value");
    }
    EXPECT_EQ(BooleanText(true), "-1");
    EXPECT_EQ(BooleanText(false), "0");
}

TEST(ValueText, IntegersAreDecimalOrHexadecimal) {
    EXPECT_EQ(ParseInteger("0"), 0);
    EXPECT_EQ(ParseInteger("17"), 17);
    EXPECT_EQ(ParseInteger("+17"), 17);
    EXPECT_EQ(ParseInteger("-17"), -17);
    EXPECT_EQ(ParseInteger("007"), 7);
    EXPECT_EQ(ParseInteger("$1F"), 31);
    EXPECT_EQ(ParseInteger("0x1f"), 31);
    EXPECT_EQ(ParseInteger("-$10"), -16);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseInteger("$FFFFFFFF"), -1);
    for (const char* bad : {"n/a", "", " 1", "1 ", "1.0", "1e3", "+", "$", "0x", "12a",
                            "2147483648", "-2147483649", "$100000000", "--1"}) {
        EXPECT_EQ(ErrorOf([&] { ParseInteger(bad); }),
                  std::string("'") + bad + "' is not a valid integer value");
    }
}

TEST(ProgramFolder, IsTheProgramFilesFolderWithItsBackslash) {
    EXPECT_EQ(ProgramFolderOf("C:\\Program Files\\Quorvel\\quorvel.exe"),
              "C:\\Program Files\\Quorvel\\");
    EXPECT_EQ(ProgramFolderOf("\\\\server\\share\\q.exe"), "\\\\server\\share\\");
    EXPECT_EQ(ProgramFolderOf("quorvel.exe"), "");
}

class OptionsTest : public ::testing::Test {
  protected:
    void SetUp() override { files.AddFolder(kFolder); }

    static constexpr const char* kFolder = "C:\\Quorvel\\";
    const std::string kFile = "C:\\Quorvel\\Option.ini";
    FakeFileSystem files;
    Profile profile{files};
    Options options{profile, kFolder};
};

TEST_F(OptionsTest, BooleansAreWrittenAsMinusOneAndZero) {
    EXPECT_EQ(options.FilePath(), kFile);
    options.Write(option::kAutorun, true);
    options.Write(option::kExitProgram, false);
    EXPECT_EQ(files.File(kFile), "[PROGRAM]\r\nAUTORUN=-1\r\n[MESSAGE]\r\nEXIT_PROGRAM=0\r\n");
    EXPECT_TRUE(options.Read(option::kAutorun));
    EXPECT_FALSE(options.Read(option::kExitProgram));
}

TEST_F(OptionsTest, HandEditedValuesAndMissingKeys) {
    files.AddFile(kFile, "[program]\nautorun=yes\n[tray]\ndiskindrive=1\nDRIVE=d:\n");
    EXPECT_TRUE(options.Read(option::kDiskInDrive));
    EXPECT_EQ(options.Read(option::kDrive), "d:");
    EXPECT_EQ(ErrorOf([&] { options.Read(option::kAutorun); }),
              "'yes' is not a valid boolean value");
    EXPECT_EQ(ErrorOf([&] { options.Read(option::kAnimation); }),
              "'n/a' is not a valid boolean value");
    EXPECT_EQ(options.Read(option::kFileSkin), "n/a");

    files.RemoveFile(kFile);
    EXPECT_EQ(ErrorOf([&] { options.Read(option::kAutorun); }),
              "'n/a' is not a valid boolean value");
}

TEST_F(OptionsTest, PluginFolderRule) {
    files.AddFile(kFile, "[MODULES]\nFOLDER_PLUGIN=D:\\Mods\\\nAUTO_PLUGIN_FOLDER=-1\n");
    EXPECT_EQ(PluginFolder(options, kFolder), "C:\\Quorvel\\PLUGIN\\");

    options.Write(option::kAutoPluginFolder, false);
    EXPECT_EQ(PluginFolder(options, kFolder), "D:\\Mods\\");

    // A folder typed without its last backslash is still the folder.
    options.Write(option::kFolderPlugin, "C:\\Mods");
    EXPECT_EQ(PluginFolder(options, kFolder) + "*.DLL", "C:\\Mods\\*.DLL");

    // Empty is no folder at all, never the current one.
    options.Write(option::kFolderPlugin, "");
    EXPECT_EQ(PluginFolder(options, kFolder), "");

    files.AddFile(kFile, "[MODULES]\nAUTO_PLUGIN_FOLDER=0\n");
    EXPECT_EQ(PluginFolder(options, kFolder), "n/a\\");

    files.AddFile(kFile, "[MODULES]\nFOLDER_PLUGIN=D:\\Mods\\\n");
    EXPECT_EQ(ErrorOf([&] { PluginFolder(options, kFolder); }),
              "'n/a' is not a valid boolean value");
}

// The options file a new installation starts with holds every key, readable as its kind.
TEST_F(OptionsTest, FirstInstallFileIsComplete) {
    std::string source = __FILE__;
    source = source.substr(0, source.find_last_of("\\/"));  // tests/unit
    source = source.substr(0, source.find_last_of("\\/"));  // tests
    source = source.substr(0, source.find_last_of("\\/")) + "/data/Option.ini";
    std::ifstream in(source, std::ios::binary);
    ASSERT_TRUE(in) << source;
    std::stringstream text;
    text << in.rdbuf();
    files.AddFile(kFile, text.str());

    for (const auto& key : option::kAll) {
        SCOPED_TRACE(std::string(key.section) + "/" + std::string(key.key));
        if (key.boolean) {
            EXPECT_NO_THROW(options.Read(BoolOption{key.section, key.key}));
        } else {
            EXPECT_NE(options.Read(TextOption{key.section, key.key}), "n/a");
        }
    }
    EXPECT_FALSE(options.Read(option::kAutorun));
    EXPECT_TRUE(options.Read(option::kEnableAllHotKey));
    EXPECT_TRUE(options.Read(option::kAutoPluginFolder));
    EXPECT_EQ(options.Read(option::kFileLanguage), "STANDART LANGUAGE");
    EXPECT_EQ(text.str().find('\n'), text.str().find("\r\n") + 1);  // CRLF lines
}

}  // namespace
}  // namespace quorvel
