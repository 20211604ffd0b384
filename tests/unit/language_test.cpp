#include "lang/language.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "base/error.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_keyboard.h"
#include "fakes/fake_language_target.h"
#include "fakes/fake_toolkit.h"
#include "windows/options_dialog.h"

namespace quorvel {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kFolder[] = "C:\\Quorvel\\";
constexpr char kOptions[] = "C:\\Quorvel\\Option.ini";
constexpr char kLanguages[] = "C:\\Quorvel\\LANGUAGE\\";

// The value a test language file gives a key, so every caption and text can be traced.
std::string ValueOf(std::string_view file, std::string_view section, std::string_view key) {
    return std::string(file) + ":" + std::string(section) + "/" + std::string(key);
}

// A language file holding every key of the table but `left out`, each with ValueOf.
std::string LanguageFile(std::string_view fileName, std::string_view displayName,
                         const std::set<std::string>& leftOut = {}) {
    std::string text;
    std::string_view section;
    for (const LanguageKey& entry : AllLanguageKeys()) {
        if (entry.section != section) {
            section = entry.section;
            text += "[" + std::string(section) + "]\r\n";
        }
        const std::string name = std::string(entry.section) + "/" + std::string(entry.key);
        if (leftOut.count(name)) continue;
        const std::string value = name == "FILE/LANGUAGE"
                                      ? std::string(displayName)
                                      : ValueOf(fileName, entry.section, entry.key);
        text += std::string(entry.key) + "=" + value + "\r\n";
    }
    return text;
}

std::string Options(std::string_view fileLanguage) {
    return "[PROGRAM]\r\nFILE_LANGUAGE=" + std::string(fileLanguage) + "\r\nFILE_SKIN=Blue.jpg\r\n";
}

std::vector<std::string> ItemsOf(const ItemList& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.Count(); ++i) items.push_back(list.Item(i));
    return items;
}

// Lists the language folder in the reverse of the usual order, as some file systems do.
class ReversedListing : public FakeFileSystem {
  public:
    std::vector<std::string> ListFiles(const std::string& pattern) override {
        auto names = FakeFileSystem::ListFiles(pattern);
        std::reverse(names.begin(), names.end());
        return names;
    }
};

class LanguageTest : public ::testing::Test {
  protected:
    void AddLanguage(const std::string& fileName, const std::string& displayName,
                     const std::set<std::string>& leftOut = {}) {
        files_.AddFile(kLanguages + fileName, LanguageFile(fileName, displayName, leftOut));
    }
    std::string StoredLanguage() {
        return profile_.ReadIniValue("PROGRAM", "FILE_LANGUAGE", kOptions);
    }
    Language& Start(const std::string& fileLanguage) {
        files_.AddFile(kOptions, Options(fileLanguage));
        language_.TakeLanguageFromOptions();
        return language_;
    }

    ReversedListing files_;
    Profile profile_{files_};
    FakeKeyboard keyboard_;
    FakeLanguageTarget target_;
    FakeToolkit toolkit_;
    TForm3 form3_{toolkit_};
    ItemList& box_ = *form3_.Box;
    Language language_{profile_, files_, keyboard_, kFolder};
};

using C = FakeLanguageTarget::Caption;
using O = CaptionOwner;

TEST_F(LanguageTest, AFileLanguageSetsEveryCaptionInOrderThenEveryText) {
    AddLanguage("Russian.TXT", "Русский");
    Start("Russian.TXT").LoadLanguage(target_);

    auto v = [](const char* section, const char* key) {
        return ValueOf("Russian.TXT", section, key);
    };
    EXPECT_THAT(
        target_.Captions(),
        ElementsAre(
            C{O::kForm1, "Button1", v("FORM1", "Button1")},
            C{O::kForm1, "Button2", v("FORM1", "Button2")},
            C{O::kForm1, "Button3", v("FORM1", "Button3")},
            C{O::kForm1, "Button4", v("FORM1", "Button4")},
            C{O::kForm1, "Button5", v("FORM1", "Button5")},
            C{O::kForm1, "Button6", v("FORM1", "Button6")},
            C{O::kForm2, "Button1", v("FORM2", "Button1")},
            C{O::kForm2, "Button2", v("FORM2", "Button2")}, C{O::kForm3, "C1", v("FORM3", "C1")},
            C{O::kForm3, "C2", v("FORM3", "C2")}, C{O::kForm3, "C3", v("FORM3", "C3")},
            C{O::kForm3, "C4", v("FORM3", "C4")}, C{O::kForm3, "C5", v("FORM3", "C5")},
            C{O::kForm3, "C6", v("FORM3", "C6")}, C{O::kForm3, "Button1", v("FORM3", "Button1")},
            C{O::kForm3, "Button2", v("FORM3", "Button2")},
            C{O::kForm3, "Button3", v("FORM3", "Button3")},
            C{O::kForm3, "Button4", v("FORM3", "Button4")},
            C{O::kForm4, "XPBitBtn1", v("FORM4", "Button1")},
            C{O::kMenu1, "N1", v("POPUPMENU", "N1")}, C{O::kMenu1, "N2", v("POPUPMENU", "N2")},
            C{O::kMenu1, "N4", v("POPUPMENU", "N4")}, C{O::kMenu1, "N7", v("POPUPMENU", "N7")},
            C{O::kMenu1, "N10", v("POPUPMENU", "N10")}, C{O::kMenu1, "N9", v("POPUPMENU", "N9")},
            C{O::kMenu2, "N11", v("POPUPMENU2", "N1")}, C{O::kMenu2, "N12", v("POPUPMENU2", "N2")},
            C{O::kMenu2, "N13", v("POPUPMENU2", "N3")}));

    for (const LanguageTextEntry& entry : LanguageTextEntries()) {
        EXPECT_EQ(language_.Text(entry.id), ValueOf("Russian.TXT", entry.section, entry.key))
            << entry.section << "/" << entry.key;
    }
    EXPECT_EQ(language_.DisplayName(), "Русский");
    EXPECT_EQ(language_.InformationText(), v("MSG", "INFORMATION"));
}

TEST_F(LanguageTest, AFileLanguageBecomesTheStoredChoiceAndALanguageChosenLaterToo) {
    AddLanguage("Russian.TXT", "Русский");
    AddLanguage("German.TXT", "Deutsch");
    Start("Russian.TXT").LoadLanguage(target_);
    // The options name the file again even when a hand edit changed them meanwhile.
    files_.AddFile(kOptions, Options("Other.TXT"));
    language_.LoadLanguage(target_);
    EXPECT_EQ(StoredLanguage(), "Russian.TXT");

    language_.SetCurrentLanguage("German.TXT");
    language_.LoadLanguage(target_);
    EXPECT_EQ(StoredLanguage(), "German.TXT");
    EXPECT_EQ(language_.DisplayName(), "Deutsch");
    EXPECT_EQ(language_.Text(LanguageText::kMsgDelete), ValueOf("German.TXT", "MSG", "DELETE"));
    // Only the rest of the file is kept.
    EXPECT_THAT(*files_.File(kOptions), ::testing::HasSubstr("FILE_SKIN=Blue.jpg"));
}

TEST_F(LanguageTest, AnUnwritableOptionsFileStopsTheLoadBeforeAnythingChanges) {
    AddLanguage("Russian.TXT", "Русский");
    Start("STANDART LANGUAGE");
    language_.SetCurrentLanguage("Russian.TXT");
    files_.FailWrites(kOptions);
    try {
        language_.LoadLanguage(target_);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Unable to write to C:\\Quorvel\\Option.ini");
    }
    EXPECT_THAT(target_.Captions(), IsEmpty());
    EXPECT_EQ(language_.Text(LanguageText::kMsgDelete), "");
}

TEST_F(LanguageTest, TheBuiltInLanguageSetsItsTextsOnlyAndLeavesCaptionsAndOptions) {
    AddLanguage("Russian.TXT", "Русский");
    Start("Russian.TXT").LoadLanguage(target_);
    const std::size_t captionsFromTheFile = target_.Captions().size();

    // Switched through an edited options file: the file's captions stay until restart.
    language_.SetCurrentLanguage("STANDART LANGUAGE");
    language_.LoadLanguage(target_);

    EXPECT_EQ(target_.Captions().size(), captionsFromTheFile);
    EXPECT_EQ(StoredLanguage(), "Russian.TXT");
    EXPECT_EQ(language_.DisplayName(), "English");
    EXPECT_EQ(language_.Text(LanguageText::kMsgExitProgram), "Exit from the program ?");
    EXPECT_EQ(language_.Text(LanguageText::kMsgDelete),
              "You really want to remove this combination ?");
    EXPECT_EQ(language_.Text(LanguageText::kForm3Caption), "Option");
    EXPECT_EQ(language_.Text(LanguageText::kVariablesNo), "No");
    EXPECT_EQ(language_.Text(LanguageText::kVariablesLanguageIdentificator), "00000409");
    EXPECT_EQ(language_.Text(LanguageText::kForm3Sheet4), "Skins");
    EXPECT_EQ(language_.Text(LanguageText::kForm3Box4), "Choose a skin");
    EXPECT_EQ(language_.Text(LanguageText::kMsgHint1), "This combination is switched off");
    for (const LanguageTextEntry& entry : LanguageTextEntries()) {
        EXPECT_EQ(language_.Text(entry.id), entry.builtIn) << entry.section << "/" << entry.key;
    }
}

TEST_F(LanguageTest, TheBuiltInLanguageHasAnInformationTextAndTheEnglishDisplayNameFromTheStart) {
    Start("STANDART LANGUAGE");
    EXPECT_EQ(language_.DisplayName(), "English");
    const std::string information = language_.InformationText();
    EXPECT_THAT(information, ::testing::HasSubstr("background mode"));
    EXPECT_THAT(information, ::testing::HasSubstr("Show main window"));
}

TEST_F(LanguageTest, MissingKeysAndFilesReadNotAvailable) {
    AddLanguage("Short.TXT", "Short", {"FORM1/Button3", "MSG/DELETE", "MSG/INFORMATION"});
    Start("Short.TXT").LoadLanguage(target_);
    EXPECT_EQ(target_.Captions()[2], (C{O::kForm1, "Button3", "n/a"}));
    EXPECT_EQ(target_.Captions()[3].text, ValueOf("Short.TXT", "FORM1", "Button4"));
    EXPECT_EQ(language_.Text(LanguageText::kMsgDelete), "n/a");
    EXPECT_EQ(language_.InformationText(), "n/a");

    // A file gone after start: every text is replaced, "n/a" included.
    files_.RemoveFile(std::string(kLanguages) + "Short.TXT");
    language_.ApplyLanguageTexts();
    for (const LanguageTextEntry& entry : LanguageTextEntries()) {
        EXPECT_EQ(language_.Text(entry.id), "n/a") << entry.section << "/" << entry.key;
    }
    EXPECT_EQ(language_.ReadLanguageKey("FILE", "LANGUAGE"), "n/a");
}

TEST_F(LanguageTest, KeyboardLayoutIsTheCurrentLanguages) {
    files_.AddFile(
        std::string(kLanguages) + "Russian.TXT",
        "[FILE]\r\nLANGUAGE=Русский\r\n[VARIABLES]\r\nLANGUAGE_IDENTIFICATOR=00000419\r\n");
    Start("STANDART LANGUAGE").LoadLanguage(target_);
    language_.ActivateKeyboardLayout();
    language_.SetCurrentLanguage("Russian.TXT");
    language_.LoadLanguage(target_);
    language_.ActivateKeyboardLayout();
    EXPECT_THAT(keyboard_.Activated(), ElementsAre("00000409", "00000419"));
}

TEST_F(LanguageTest, StartingWithAMissingLanguageFileWarnsAndFallsBackToTheBuiltInLanguage) {
    std::vector<std::string> warnings;
    auto warn = [&](const std::string& text) { warnings.push_back(text); };
    AddLanguage("Russian.TXT", "Русский");

    Start("Gone.TXT");
    EXPECT_EQ(language_.CurrentLanguage(), "Gone.TXT");
    EXPECT_TRUE(language_.CheckLanguageFile(warn));
    ASSERT_THAT(warnings, ElementsAre("WARNING !!!\r\rThe not found file language, load language "
                                      "is default."));
    EXPECT_EQ(language_.CurrentLanguage(), "STANDART LANGUAGE");
    EXPECT_EQ(StoredLanguage(), "STANDART LANGUAGE");
    EXPECT_THAT(*files_.File(kOptions), ::testing::HasSubstr("FILE_SKIN=Blue.jpg"));

    // The name is compared exactly; an empty name is no file either.
    for (const char* stored : {"standart language", ""}) {
        Start(stored);
        EXPECT_TRUE(language_.CheckLanguageFile(warn)) << stored;
        EXPECT_EQ(StoredLanguage(), "STANDART LANGUAGE");
    }
    EXPECT_EQ(warnings.size(), 3u);
}

TEST_F(LanguageTest, StartingWithTheBuiltInLanguageOrAnExistingFileGivesNoWarning) {
    int warnings = 0;
    auto warn = [&](const std::string&) { ++warnings; };
    AddLanguage("Russian.TXT", "Русский");
    for (const char* stored : {"STANDART LANGUAGE", "Russian.TXT", "russian.txt"}) {
        Start(stored);
        EXPECT_FALSE(language_.CheckLanguageFile(warn)) << stored;
        EXPECT_EQ(language_.CurrentLanguage(), stored);
        EXPECT_EQ(StoredLanguage(), stored);
    }
    EXPECT_EQ(warnings, 0);
    EXPECT_EQ(language_.DisplayName(), "Русский");
}

TEST_F(LanguageTest, DefaultIsOfferedOnlyWhileTheBuiltInLanguageIsStored) {
    AddLanguage("A.TXT", "English");
    AddLanguage("B.TXT", "Русский");

    Start("STANDART LANGUAGE").LoadLanguageList(box_);
    // Listed in the order the folder gives them (reversed here).
    EXPECT_THAT(ItemsOf(box_), ElementsAre("Default", "Русский", "English"));
    EXPECT_EQ(box_.Item(box_.ItemIndex()), "Default");

    files_.AddFile(kOptions, Options("A.TXT"));
    language_.LoadLanguageList(box_);
    EXPECT_THAT(ItemsOf(box_), ElementsAre("Русский", "English"));
    EXPECT_EQ(box_.Item(box_.ItemIndex()), "English");
}

TEST_F(LanguageTest, TheListFollowsTheStoredChoiceIgnoringCaseOfItsDisplayName) {
    AddLanguage("A.TXT", "English");
    files_.AddFile(std::string(kLanguages) + "B.TXT", "[file]\r\nlanguage=ENGLISH UK\r\n");
    files_.AddFile(std::string(kLanguages) + "C.TXT", "[FILE]\r\nLANGUAGE=english uk\r\n");
    files_.AddFile(std::string(kLanguages) + "Readme.DOC", "[FILE]\r\nLANGUAGE=Not one\r\n");
    // The stored choice counts, not the language in memory.
    Start("STANDART LANGUAGE");
    files_.AddFile(kOptions, Options("B.TXT"));
    language_.LoadLanguageList(box_);
    // The first entry equal to it, whatever its case.
    EXPECT_THAT(ItemsOf(box_), ElementsAre("english uk", "ENGLISH UK", "English"));
    EXPECT_EQ(box_.ItemIndex(), 0);
}

TEST_F(LanguageTest, AStoredChoiceNotInTheListStillRemovesDefaultAndLeavesNoSelection) {
    AddLanguage("A.TXT", "English");
    Start("Gone.TXT").LoadLanguageList(box_);
    EXPECT_THAT(ItemsOf(box_), ElementsAre("English"));
    EXPECT_EQ(box_.ItemIndex(), -1);
}

TEST_F(LanguageTest, AnEmptyLanguageFolderOffersOnlyDefault) {
    files_.AddFile(std::string(kLanguages) + "Notes.INI", "[FILE]\r\nLANGUAGE=Notes\r\n");
    Start("Russian.TXT").LoadLanguageList(box_);
    EXPECT_THAT(ItemsOf(box_), ElementsAre("Default"));
    EXPECT_EQ(box_.Item(box_.ItemIndex()), "Default");
}

TEST_F(LanguageTest, FindLanguageFileMapsAListEntryToACurrentLanguage) {
    AddLanguage("A.TXT", "Русский");
    AddLanguage("B.TXT", "English");
    AddLanguage("C.TXT", "Русский");
    Start("A.TXT").LoadLanguageList(box_);

    EXPECT_EQ(language_.FindLanguageFile(box_, "Default"), "STANDART LANGUAGE");
    EXPECT_THAT(ItemsOf(box_), IsEmpty());
    // Two files with the same display name: the one listed last; the folder lists C first.
    EXPECT_EQ(language_.FindLanguageFile(box_, "Русский"), "A.TXT");
    EXPECT_EQ(language_.FindLanguageFile(box_, "English"), "B.TXT");
    // Exact comparisons; no match gives an empty name.
    EXPECT_EQ(language_.FindLanguageFile(box_, "english"), "");
    EXPECT_EQ(language_.FindLanguageFile(box_, "default"), "");
}

TEST_F(LanguageTest, ChoosingInTheListLoadsTheLanguageAndOffersTheRest) {
    AddLanguage("English.TXT", "English");
    AddLanguage("Russian.TXT", "Русский");
    Start("STANDART LANGUAGE").LoadLanguage(target_);
    language_.LoadLanguageList(box_);

    language_.SetCurrentLanguage(language_.FindLanguageFile(box_, "Русский"));
    language_.LoadLanguage(target_);
    language_.LoadLanguageList(box_);

    EXPECT_EQ(StoredLanguage(), "Russian.TXT");
    EXPECT_THAT(ItemsOf(box_), ElementsAre("Русский", "English"));
    EXPECT_EQ(box_.Item(box_.ItemIndex()), "Русский");
    EXPECT_EQ(target_.Captions().size(), CaptionEntries().size());
}

TEST(LanguageTable, EveryKeyIsATextACaptionOrReadDirectlyAndListedOnce) {
    std::set<std::pair<std::string_view, std::string_view>> used;
    for (const LanguageTextEntry& entry : LanguageTextEntries()) {
        EXPECT_TRUE(used.insert({entry.section, entry.key}).second) << entry.key;
        EXPECT_FALSE(entry.builtIn.empty()) << entry.section << "/" << entry.key;
    }
    for (const CaptionEntry& entry : CaptionEntries()) used.insert({entry.section, entry.key});
    used.insert({kDisplayNameKey.section, kDisplayNameKey.key});
    used.insert({kInformationKey.section, kInformationKey.key});

    std::set<std::pair<std::string_view, std::string_view>> listed;
    for (const LanguageKey& key : AllLanguageKeys()) {
        EXPECT_TRUE(listed.insert({key.section, key.key}).second) << key.section << "/" << key.key;
    }
    EXPECT_EQ(listed, used);
    EXPECT_EQ(listed.size(), 64u);
}

}  // namespace
}  // namespace quorvel
