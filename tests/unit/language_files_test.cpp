// The language files shipped in data/LANGUAGE, read from the source tree.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "fakes/fake_file_system.h"
#include "fakes/fake_keyboard.h"
#include "fakes/fake_language_target.h"
#include "lang/language.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

fs::path ShippedLanguageFolder() {
    std::string source = __FILE__;
#ifdef _WIN32
    // Under Wine the build's Unix paths are reached through drive Z:.
    if (source.starts_with('/')) source = "Z:" + source;
#endif
    return fs::path(source).parent_path() / ".." / ".." / "data" / "LANGUAGE";
}

std::map<std::string, std::string> ShippedFiles() {
    std::map<std::string, std::string> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(ShippedLanguageFolder(), error)) {
        if (entry.path().extension() != ".TXT") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        files[entry.path().filename().string()] = bytes.str();
    }
    return files;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80         ? 1
                                   : (c >> 5) == 6  ? 2
                                   : (c >> 4) == 14 ? 3
                                   : (c >> 3) == 30 ? 4
                                                    : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2) return false;
        }
        i += length;
    }
    return true;
}

class ShippedLanguageFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        files_ = ShippedFiles();
        if (files_.empty()) GTEST_SKIP() << "no language files at " << ShippedLanguageFolder();
    }
    std::map<std::string, std::string> files_;
};

TEST_F(ShippedLanguageFiles, AreEnglishAndRussianInUtf8WithCrLfLines) {
    EXPECT_TRUE(files_.count("English.TXT"));
    EXPECT_TRUE(files_.count("Russian.TXT"));
    for (const auto& [name, bytes] : files_) {
        EXPECT_FALSE(bytes.starts_with("\xEF\xBB\xBF")) << name << ": a mark would hide [FILE]";
        EXPECT_TRUE(IsValidUtf8(bytes)) << name;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << name << " @" << i;
            if (bytes[i] == '\r') EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n');
        }
        EXPECT_TRUE(bytes.ends_with("\r\n")) << name;
    }
}

TEST_F(ShippedLanguageFiles, HoldEveryKeyOfTheTableOnceAndNothingElse) {
    std::set<std::pair<std::string, std::string>> expected;
    for (const LanguageKey& key : AllLanguageKeys())
        expected.insert({std::string(key.section), std::string(key.key)});

    std::set<std::string> displayNames;
    for (const auto& [name, bytes] : files_) {
        std::set<std::pair<std::string, std::string>> found;
        std::string section;
        std::istringstream lines(bytes);
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty()) continue;
            if (line.front() == '[') {
                ASSERT_EQ(line.back(), ']') << name << ": " << line;
                section = line.substr(1, line.size() - 2);
                continue;
            }
            const auto equals = line.find('=');
            ASSERT_NE(equals, std::string::npos) << name << ": " << line;
            const std::string key = line.substr(0, equals);
            const std::string value = line.substr(equals + 1);
            EXPECT_TRUE(found.insert({section, key}).second)
                << name << ": twice " << section << "/" << key;
            EXPECT_TRUE(expected.count({section, key}))
                << name << ": unknown " << section << "/" << key;
            // The reader trims blanks around a value, so none may matter.
            ASSERT_FALSE(value.empty()) << name << ": " << section << "/" << key;
            EXPECT_TRUE(value.front() != ' ' && value.back() != ' ') << name << ": " << key;
            if (key == "LANGUAGE_IDENTIFICATOR") {
                EXPECT_EQ(value.size(), 8u) << name;
                EXPECT_EQ(value.find_first_not_of("0123456789ABCDEFabcdef"), std::string::npos)
                    << name;
            }
            if (section == "FILE" && key == "LANGUAGE") {
                EXPECT_TRUE(displayNames.insert(value).second) << name << ": display name taken";
            }
        }
        for (const auto& key : expected) {
            EXPECT_TRUE(found.count(key)) << name << ": missing " << key.first << "/" << key.second;
        }
    }
}

// Read the way the program reads them: nothing may come out as "n/a".
TEST_F(ShippedLanguageFiles, GiveEveryCaptionAndTextThroughTheProgramsReader) {
    for (const auto& [name, bytes] : files_) {
        FakeFileSystem files;
        files.AddFile("C:\\Q\\Option.ini", "[PROGRAM]\r\nFILE_LANGUAGE=" + name + "\r\n");
        files.AddFile("C:\\Q\\LANGUAGE\\" + name, bytes);
        Profile profile(files);
        FakeKeyboard keyboard;
        FakeLanguageTarget target;
        Language language(profile, files, keyboard, "C:\\Q\\");
        language.TakeLanguageFromOptions();
        language.LoadLanguage(target);

        ASSERT_EQ(target.Captions().size(), CaptionEntries().size());
        for (const auto& caption : target.Captions())
            EXPECT_NE(caption.text, "n/a") << name << " " << caption.control;
        for (const LanguageTextEntry& entry : LanguageTextEntries()) {
            EXPECT_NE(language.Text(entry.id), "n/a")
                << name << " " << entry.section << "/" << entry.key;
        }
        EXPECT_NE(language.InformationText(), "n/a") << name;
        EXPECT_NE(language.DisplayName(), "n/a") << name;
    }
}

}  // namespace
}  // namespace quorvel
