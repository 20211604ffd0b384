// The combination list file and the main window's list of it, through the whole program.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "fakes/fake_file_system.h"
#include "heart_fixture.h"
#include "windows/combination_editor.h"

namespace quorvel {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using CombinationStoreTest = HeartTest;

std::vector<std::string> Entries(ListBox& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.Count(); ++i) entries.push_back(list.Item(i));
    return entries;
}

TEST_F(CombinationStoreTest, AFreshFolderStartsWithAnEmptyListFile) {
    program_->Run();
    EXPECT_TRUE(files_.HasFolder("C:\\Quorvel\\DATA"));
    EXPECT_EQ(profile_.ReadIniValue("Base", "Index", kList), "0");
    EXPECT_EQ(List().Count(), 0);
    EXPECT_EQ(List().ItemIndex(), -1);
    EXPECT_THAT(toolkit_.dialogs.ErrorTexts(), IsEmpty());
}

TEST_F(CombinationStoreTest, ACountThatIsNoNumberIsReportedAndTheFileLeftAlone) {
    files_.AddFile(kList, "[Base]\r\nIndex=two\r\n[HOT1]\r\nHotKey=F5\r\n");
    program_->Run();
    EXPECT_THAT(toolkit_.dialogs.ErrorTexts(), ElementsAre("'two' is not a valid integer value"));
    EXPECT_EQ(List().Count(), 0);
    EXPECT_EQ(*files_.File(kList), "[Base]\r\nIndex=two\r\n[HOT1]\r\nHotKey=F5\r\n");
}

// Each entry is read from the file on its own, so a count no list comes near would keep the
// program busy for minutes; it is refused like a count that is no number. Background mode
// then stays off.
TEST_F(CombinationStoreTest, ACountBeyondTheLastCombinationNumberIsReportedAndListsNothing) {
    StoreCombination(1, "F5");
    SetCount(1000000);
    program_->Run();
    EXPECT_THAT(toolkit_.dialogs.ErrorTexts(),
                ElementsAre("'1000000' is not a valid number of combinations"));
    EXPECT_EQ(List().Count(), 0);
    MainWindow().Send(kBackgroundModeMessage, 0, 0);
    EXPECT_EQ(toolkit_.dialogs.ErrorTexts().size(), 2u);
    EXPECT_TRUE(MainWindow().Visible());
    EXPECT_THAT(hotKeys_->registered, IsEmpty());

    // The last number there can be is still a count.
    SetCount(kLastCombinationNumber);
    EXPECT_EQ(Store().StoredCount(), kLastCombinationNumber);
}

TEST_F(CombinationStoreTest, StartShowsTheEntriesSortedAndSelectsTheFirstWithItsHint) {
    StoreCombination(1, "F5", true, false, "reload");
    StoreCombination(2, "Ctrl+A");
    StoreCombination(3, "Alt+B", false, false, "never shown");
    program_->Run();
    EXPECT_THAT(Entries(List()), ElementsAre("Alt+B", "Ctrl+A", "F5"));
    EXPECT_EQ(List().ItemIndex(), 0);
    // A disabled combination says so, even when it has a comment.
    EXPECT_EQ(List().Hint(), "Alt+B - Recorder\rThis combination is switched off");
    List().SetItemIndex(2);
    Store().ListClick();
    EXPECT_EQ(List().Hint(), "F5 - Recorder\rreload");
    List().SetItemIndex(1);
    Store().ListClick();
    EXPECT_EQ(List().Hint(), "Ctrl+A - Recorder");
}

TEST_F(CombinationStoreTest, NewWritesTheRecordInKeyOrderThenTheCount) {
    StoreCombination(1, "F5");
    program_->Run();
    TForm2& editor = program_->Form2();
    editor.HotKey->SetValue(kShortcutCtrl | 101);  // Ctrl + keypad 5
    editor.Plugin->Add("Recorder");
    editor.Plugin->SetItemIndex(0);
    editor.C1->SetChecked(true);
    editor.C2->SetChecked(false);
    editor.Comment->SetText("two\r\nlines \\n and C:\\Temp");
    Store().EditorCommand = "go";
    Store().TargetNumber = 2;
    Store().New();

    EXPECT_EQ(*files_.File(kList),
              "[HOT1]\r\nHotKey=F5\r\nPlugin=rec.dll\r\nChecked=-1\r\nCommand=cmd1\r\n"
              "Warning=0\r\nComment=\r\n[Base]\r\nIndex=2\r\n"
              "[HOT2]\r\nHotKey=Ctrl+5\r\nPlugin=rec.dll\r\nChecked=-1\r\nCommand=go\r\n"
              "Warning=0\r\nComment=two\\nlines \\\\n and C:\\\\Temp\r\n");

    // Back into the editor: the keypad digit is the main-row digit now, and the comment
    // has its line break back.
    Store().RecordNumber = 2;
    Store().TransferRecord("LOAD");
    EXPECT_EQ(Store().Setting.Plugin, "Recorder");
    editor.Comment->SetText("");
    Store().TransferRecord("FORM");
    EXPECT_EQ(editor.HotKey->Value(), kShortcutCtrl | '5');
    EXPECT_EQ(editor.Comment->Text(), "two\r\nlines \\n and C:\\Temp");
    EXPECT_EQ(Store().EditorCommand, "go");
}

TEST_F(CombinationStoreTest, ReSaveReplacesInPlaceAndWritesBooleansAsTheProgramDoes) {
    StoreCombination(1, "F5");
    StoreCombination(2, "F6");
    program_->Run();
    TForm2& editor = program_->Form2();
    editor.HotKey->SetValue(kShortcutShift | 'Q');
    editor.C1->SetChecked(false);
    editor.C2->SetChecked(true);
    Store().TargetNumber = 1;
    Store().ReSave();
    EXPECT_EQ(Value(1, "HotKey"), "Shift+Q");
    EXPECT_EQ(Value(1, "Checked"), "0");
    EXPECT_EQ(Value(1, "Warning"), "-1");
    // No action chosen: the no-action word.
    EXPECT_EQ(Value(1, "Plugin"), "No");
    EXPECT_EQ(Count(), 2);
}

TEST_F(CombinationStoreTest, AnUnknownActionIsReportedWhenTheRecordReachesTheEditor) {
    program_->Run();
    Store().Setting = {"F1", "Gone", "-1", "c", "0", ""};
    Store().TransferRecord("FORM");
    ASSERT_EQ(toolkit_.dialogs.shown.size(), 1u);
    EXPECT_EQ(toolkit_.dialogs.shown[0].text, "Action for this combination is not found !!!");
    EXPECT_EQ(program_->Form2().Plugin->ItemIndex(), -1);
    Store().TransferRecord("setting");  // modes are exact
    EXPECT_EQ(Store().Setting.HotKey, "F1");
}

TEST_F(CombinationStoreTest, DeletingTheSecondOfFourClosesTheGap) {
    StoreCombination(1, "A");
    StoreCombination(2, "B", true, false, "second");
    StoreCombination(3, "C", false, true, "third");
    StoreCombination(4, "D");
    program_->Run();
    List().SetItemIndex(1);  // "B"
    Store().Delete();

    EXPECT_EQ(Count(), 3);
    EXPECT_EQ(Value(2, "HotKey"), "C");
    EXPECT_EQ(Value(2, "Checked"), "0");
    EXPECT_EQ(Value(2, "Warning"), "-1");
    EXPECT_EQ(Value(2, "Comment"), "third");
    EXPECT_EQ(Value(2, "Command"), "cmd3");
    EXPECT_EQ(Value(3, "HotKey"), "D");
    EXPECT_EQ(Value(4, "HotKey"), "n/a");
    EXPECT_EQ(files_.File(kList)->find("[HOT4]"), std::string::npos);
    EXPECT_THAT(Entries(List()), ElementsAre("A", "C", "D"));
    EXPECT_EQ(List().ItemIndex(), 1);
}

TEST_F(CombinationStoreTest, DeletingTheOnlyOneEmptiesTheList) {
    StoreCombination(1, "F5");
    program_->Run();
    Store().Delete();
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(files_.File(kList)->find("[HOT1]"), std::string::npos);
    EXPECT_EQ(List().Count(), 0);
}

TEST_F(CombinationStoreTest, DeleteKeyRemovesTheSelectedCombination) {
    StoreCombination(1, "F5");
    StoreCombination(2, "F6");
    program_->Run();
    program_->Form1().Actions().Update();
    program_->Form1().Actions().Execute("DeleteDialog");
    EXPECT_EQ(Count(), 1);
    EXPECT_EQ(Value(1, "HotKey"), "F6");
}

TEST_F(CombinationStoreTest, EntriesMapBackByExactTextAndAnUnmatchedEntryDeletesNothing) {
    StoreCombination(1, "ctrl+a");
    StoreCombination(2, "Ctrl+A");
    program_->Run();
    // Same shortcut value, different texts.
    EXPECT_EQ(TextToShortCut("ctrl+a", keyNames_), TextToShortCut("Ctrl+A", keyNames_));
    for (int i = 0; i < 2; ++i) {
        List().SetItemIndex(i);
        EXPECT_EQ(Store().SelectedRecordNumber(), List().Item(i) == "Ctrl+A" ? 2 : 1);
    }
    // A hand edit renamed the entry's section: nothing matches, nothing moves.
    profile_.WriteIniValue("HOT1", "HotKey", "F9", kList);
    List().SetItemIndex(List().Item(0) == "ctrl+a" ? 0 : 1);
    const std::string before = *files_.File(kList);
    Store().Delete();
    EXPECT_EQ(*files_.File(kList), before);
}

TEST_F(CombinationStoreTest, SelectingPastTheEndTakesTheLastEntry) {
    StoreCombination(1, "A");
    StoreCombination(2, "B");
    program_->Run();
    Store().SelectEntry(7);
    EXPECT_EQ(List().ItemIndex(), 1);
    EXPECT_EQ(List().Hint(), "B - Recorder");
}

// A list as hands and older versions leave it: keys missing or in another case, notes,
// blank lines, mixed line endings, blanks around names.
std::string RandomListFile(std::mt19937& random, int count) {
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const char* endings[] = {"\r\n", "\r\n", "\n", "\r"};
    const char* keys[] = {"HotKey", "Plugin", "Checked", "Command", "Warning", "Comment"};
    std::string text = pick(4) == 0 ? "; my hot keys\r\n" : "";
    auto line = [&](const std::string& content) { text += content + endings[pick(4)]; };
    line(pick(2) ? "[Base]" : "[base]");
    line("Index=" + std::to_string(count));
    for (int n = 1; n <= count; ++n) {
        line((pick(5) ? "[HOT" : "[hot") + std::to_string(n) + "]");
        for (int k = 0; k < 6; ++k) {
            if (pick(12) == 0) continue;
            std::string value = k == 0             ? "Ctrl+F" + std::to_string(n)
                                : k == 1           ? "rec.dll"
                                : k == 2 || k == 4 ? (pick(2) ? "-1" : "0")
                                : k == 3           ? "cmd" + std::to_string(n)
                                                   : std::string(pick(3) ? "" : " a \"note\" ");
            line((pick(10) ? std::string(keys[k]) : " " + std::string(keys[k]) + " ") + "=" +
                 value);
        }
        if (pick(6) == 0) line("; note " + std::to_string(n));
        if (pick(6) == 0) line("");
    }
    if (pick(2))
        text.resize(
            text.size() -
            (text.back() == '\n' && text.size() > 1 && text[text.size() - 2] == '\r' ? 2 : 1));
    return text;
}

// What the record's six writes (and any more) gave when each was a replace of its own.
class ValueByValue {
  public:
    explicit ValueByValue(const std::string& text) { files_.AddFile(kPath, text); }
    std::string Read(int n, std::string_view key) {
        return profile_.ReadIniValue("HOT" + std::to_string(n), key, kPath);
    }
    void Write(std::string_view section, std::string_view key, std::string_view value) {
        profile_.WriteIniValue(section, key, value, kPath);
    }
    void Erase(std::string_view section) { profile_.EraseIniSection(section, kPath); }
    void WriteRecord(int n, const TSetting& record) {
        const std::string section = "HOT" + std::to_string(n);
        Write(section, "HotKey", record.HotKey);
        Write(section, "Plugin", "rec.dll");
        Write(section, "Checked", record.Checked);
        Write(section, "Command", EncodeCommand(record.Command));
        Write(section, "Warning", record.Warning);
        Write(section, "Comment", EncodeComment(record.Comment));
    }
    std::string Text() const { return *files_.File(kPath); }

  private:
    static constexpr const char* kPath = "C:\\list.ini";
    FakeFileSystem files_;
    Profile profile_{files_};
};

TEST_F(CombinationStoreTest, EachOperationIsOneReplaceWithTheBytesOfTheValueByValueWrites) {
    std::mt19937 random(1234);
    files_.AddFolder("C:\\Quorvel\\DATA");
    program_->Run();
    TForm2& editor = program_->Form2();
    editor.Plugin->Add("Recorder");
    const char* keys[] = {"HotKey", "Plugin", "Checked", "Command", "Warning", "Comment"};
    for (int round = 0; round < 150; ++round) {
        const int count = 1 + int(random() % 12);
        const std::string before = RandomListFile(random, count);
        files_.AddFile(kList, before);
        ValueByValue expected(before);
        Store().LoadList();
        const int operation = round % 3;
        if (operation == 2) {
            List().SetItemIndex(int(random() % unsigned(List().Count())));
            int k = Store().SelectedRecordNumber();
            if (k == 0) continue;
            for (; k != count; ++k)
                for (const char* key : keys)
                    expected.Write("HOT" + std::to_string(k), key, expected.Read(k + 1, key));
            expected.Erase("HOT" + std::to_string(k));
            expected.Write("Base", "Index", std::to_string(count - 1));
        }
        editor.HotKey->SetValue(kShortcutCtrl | ('A' + round % 26));
        editor.Plugin->SetItemIndex(0);
        editor.C1->SetChecked(random() % 2);
        editor.C2->SetChecked(random() % 2);
        editor.Comment->SetText(random() % 2 ? "" : "line\r\nand C:\\path");
        Store().EditorCommand = random() % 2 ? "go" : "two\nlines";
        Store().TargetNumber = operation == 0 ? count + 1 : 1 + int(random() % unsigned(count));
        files_.ClearCalls();
        if (operation == 0) {
            Store().New();
            expected.WriteRecord(count + 1, Store().Setting);
            expected.Write("Base", "Index", std::to_string(count + 1));
        } else if (operation == 1) {
            Store().ReSave();
            expected.WriteRecord(Store().TargetNumber, Store().Setting);
        } else {
            // The hint after the delete reads Checked, which a hand edit may have removed.
            toolkit_.Guard([&] { Store().Delete(); });
        }
        ASSERT_EQ(*files_.File(kList), expected.Text()) << "round " << round << "\n" << before;
        EXPECT_EQ(files_.CountCalls(FakeFileSystem::Op::kReplace), 1) << "round " << round;
    }
}

TEST_F(CombinationStoreTest, AListFileGoneOrLockedIsNamedAndNeverMadeAnew) {
    StoreCombination(1, "F5");
    StoreCombination(2, "F6");
    program_->Run();
    const std::string before = *files_.File(kList);
    const std::string error = std::string("Unable to write to ") + kList;
    files_.FailReads(kList);
    toolkit_.Guard([&] { Store().Delete(); });
    files_.FailReads(kList, false);
    files_.RemoveFile(kList);
    Store().TargetNumber = 3;
    toolkit_.Guard([&] { Store().New(); });
    EXPECT_THAT(toolkit_.dialogs.ErrorTexts(), ElementsAre(error, error));
    EXPECT_FALSE(files_.File(kList));
    // Back in place, the next operation works.
    files_.AddFile(kList, before);
    Store().Delete();
    EXPECT_EQ(Count(), 1);
}

TEST(CommentText, LineBreaksAndBackslashesSurviveAndOldTextsReadAsWritten) {
    EXPECT_EQ(EncodeComment("a\r\nb\nc\rd"), "a\\nb\\nc\\nd");
    EXPECT_EQ(DecodeComment(EncodeComment("C:\\new\\x\r\n\\\\")), "C:\\new\\x\r\n\\\\");
    // Written before line breaks were kept: a lone backslash stays.
    EXPECT_EQ(DecodeComment("C:\\Temp\\"), "C:\\Temp\\");
    EXPECT_EQ(EncodeComment("plain"), "plain");
}

}  // namespace
}  // namespace quorvel
