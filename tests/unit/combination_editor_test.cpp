// The combination editor over the whole program on fakes: the order of Next's checks, the
// four save paths with their questions, the module's settings step and the delete question.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "fakes/fake_text_rasterizer.h"
#include "heart_fixture.h"
#include "skin/appearance.h"

namespace quorvel {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr Shortcut kCtrlAltF7 = kShortcutCtrl | kShortcutAlt | 118;
constexpr Shortcut kShiftB = kShortcutShift | 'B';

class CombinationEditorTest : public HeartTest {
  protected:
    void SetUp() override {
        StoreCombination(1, "Ctrl+Alt+A");
        StoreCombination(2, "Shift+B", true, false, "second");
        loader_.Add("C:\\Quorvel\\PLUGIN\\other.dll", "Other");
        files_.AddFile("C:\\Quorvel\\PLUGIN\\other.dll", "");
        program_->Run();
    }

    FakeForm& Editor() { return dynamic_cast<FakeForm&>(program_->Form2().Window()); }
    TForm2& Form2() { return program_->Form2(); }
    FakeMessageDialogs& Dialogs() { return toolkit_.dialogs; }
    std::vector<std::string> DialogTexts() const {
        std::vector<std::string> texts;
        for (const MessageRequest& request : toolkit_.dialogs.shown) texts.push_back(request.text);
        return texts;
    }
    void PickAction(const std::string& name) {
        auto& list = Editor().Get<FakeDropDownList>("Plugin");
        for (int i = 0; i < list.Count(); ++i)
            if (list.Item(i) == name) ASSERT_TRUE(list.Pick(i));
    }
    void ClickNext() { ASSERT_TRUE(Editor().Get<FakePushButton>("Button1").Click()); }
    // Opens the editor by its command; `user` runs while it is open.
    ModalResult Open(const std::string& action, std::function<void()> user) {
        Editor().WhileNextModal(std::move(user));
        program_->Form1().Actions().Execute(action);
        return Editor().modalRuns.back().result;
    }
    void SelectEntry(const std::string& text) {
        auto& list = toolkit_.FormNamed("TForm1").Get<FakeListBox>("List");
        for (int i = 0; i < list.Count(); ++i)
            if (list.Item(i) == text) ASSERT_TRUE(list.Pick(i));
    }
    std::vector<std::string> Settings() const {
        std::vector<std::string> calls;
        for (const std::string& call : loader_.calls)
            if (call.rfind("Setting(", 0) == 0) calls.push_back(call);
        return calls;
    }
    std::string SettingOf(const std::string& hotKey, const std::string& command) const {
        return "Setting(" + std::to_string(program_->Form2().Window().Handle()) + ",\"" + hotKey +
               "\"," + command + ")";
    }
};

TEST_F(CombinationEditorTest, NextAsksForTheActionBeforeTheKeyAndStaysOpen) {
    const ModalResult result = Open("NewDialog", [&] {
        Editor().Get<FakeHotKeyEdit>("HotKey").Enter(0);
        Editor().Get<FakeDropDownList>("Plugin").SetItemIndex(-1);
        ClickNext();
        PickAction("Recorder");
        ClickNext();
        EXPECT_TRUE(Editor().Modal()) << "the editor stays open after each box";
    });
    EXPECT_THAT(DialogTexts(),
                ElementsAre("Action is not specified.", "The combination is not specified."));
    EXPECT_EQ(Dialogs().shown.at(0).type, DialogType::kError);
    EXPECT_TRUE(Dialogs().shown.at(0).beep);
    EXPECT_TRUE(Dialogs().shown.at(1).beep);
    EXPECT_EQ(result, ModalResult::kCancel);
    EXPECT_THAT(Settings(), IsEmpty());
    EXPECT_EQ(Count(), 2);
}

TEST_F(CombinationEditorTest, ANewCombinationIsConfiguredSavedAtTheEndAndSelected) {
    const ModalResult result = Open("NewDialog", [&] {
        Editor().Get<FakeHotKeyEdit>("HotKey").Enter(kCtrlAltF7);
        PickAction("Recorder");
        ASSERT_TRUE(Editor().Get<FakeGlyphButton>("Speed2").Click());
        Editor().Get<FakeMemo>("Comment").Type("line one\r\nline two");
        ClickNext();
    });
    EXPECT_EQ(result, ModalResult::kOk);
    EXPECT_THAT(DialogTexts(), IsEmpty());
    EXPECT_THAT(Settings(), ElementsAre(SettingOf("Ctrl+Alt+F7", "null")));
    EXPECT_EQ(Count(), 3);
    EXPECT_EQ(Value(3, "HotKey"), "Ctrl+Alt+F7");
    EXPECT_EQ(Value(3, "Plugin"), "rec.dll");
    EXPECT_EQ(Value(3, "Checked"), "-1");
    EXPECT_EQ(Value(3, "Command"), "command");
    EXPECT_EQ(Value(3, "Warning"), "0");
    EXPECT_EQ(Value(3, "Comment"), "line one\\nline two");
    EXPECT_EQ(List().Item(List().ItemIndex()), "Ctrl+Alt+F7");
}

// Each combination pressed into the field is told about at once; only the trial
// registration touches the system, and it is released.
TEST_F(CombinationEditorTest, TheFieldTellsWhetherTheCombinationIsFreeStoredOrTaken) {
    hotKeys_->heldElsewhere.insert({kModControl | kModAlt, 0x78});
    Open("NewDialog", [&] {
        auto& field = Editor().Get<FakeHotKeyEdit>("HotKey");
        field.Enter(kCtrlAltF7);
        EXPECT_EQ(field.Balloon(), "Free: Ctrl+Alt+F7");
        field.Enter(kShiftB);
        EXPECT_EQ(field.Balloon(), "Already stored: Shift+B - Recorder\rsecond");
        field.Enter(kShortcutCtrl | kShortcutAlt | 0x78);
        EXPECT_EQ(field.Balloon(),
                  "Not available: Ctrl+Alt+F9 \u2014 used by Windows or another program");
        field.Refuse(kShortcutWin | 'L');
        EXPECT_EQ(field.Balloon(), "Not available: Win+L \u2014 kept by Windows");
        field.Enter(kNoShortcut);
        EXPECT_EQ(field.Balloon(), "");
    });
    EXPECT_THAT(hotKeys_->calls,
                ElementsAre("register 49151", "unregister 49151", "register 49151"));
    EXPECT_THAT(hotKeys_->registered, IsEmpty());
}

TEST_F(CombinationEditorTest, ANewCombinationOverAStoredKeyAsksTwiceAndReplacesOnlyOnYes) {
    auto enterShiftB = [&] {
        Editor().Get<FakeHotKeyEdit>("HotKey").Enter(kShiftB);
        PickAction("Other");
        ClickNext();
    };
    // No to the first question: nothing runs, the editor stays.
    Dialogs().Answer(ModalResult::kNo);
    EXPECT_EQ(Open("NewDialog",
                   [&] {
                       enterShiftB();
                       EXPECT_TRUE(Editor().Modal());
                   }),
              ModalResult::kCancel);
    EXPECT_THAT(Settings(), IsEmpty());

    // Yes, then Cancel at the replace question: configured but kept open, nothing saved.
    Dialogs().Answer(ModalResult::kYes);
    Dialogs().Answer(ModalResult::kCancel);
    EXPECT_EQ(Open("NewDialog",
                   [&] {
                       enterShiftB();
                       EXPECT_TRUE(Editor().Modal());
                   }),
              ModalResult::kCancel);
    // Yes, then No: the editor closes with nothing saved.
    Dialogs().Answer(ModalResult::kYes);
    Dialogs().Answer(ModalResult::kNo);
    EXPECT_EQ(Open("NewDialog", enterShiftB), ModalResult::kOk);
    EXPECT_EQ(Value(2, "Plugin"), "rec.dll");

    // Yes, Yes: combination 2 is overwritten at its number; the count stays.
    Dialogs().Answer(ModalResult::kYes);
    Dialogs().Answer(ModalResult::kYes);
    EXPECT_EQ(Open("NewDialog", enterShiftB), ModalResult::kOk);
    EXPECT_EQ(Value(2, "Plugin"), "other.dll");
    EXPECT_EQ(Count(), 2);
    EXPECT_EQ(Settings().size(), 3u);
    ASSERT_GE(Dialogs().shown.size(), 2u);
    EXPECT_EQ(Dialogs().shown.at(0).text, "The combination is already appointed. To continue ?");
    EXPECT_EQ(Dialogs().shown.back().text, "To replace already appointed combination created ?");
    EXPECT_EQ(Dialogs().shown.back().buttons, DialogButtons::kYesNoCancel);
}

TEST_F(CombinationEditorTest, ACommandWithLineBreaksIsStoredOnOneLineAndReachesTheModuleWhole) {
    loader_.modules.at(kRecorder).commands = {"ready", "first\r\nC:\\new\\x.exe"};
    Open("NewDialog", [&] {
        Editor().Get<FakeHotKeyEdit>("HotKey").Enter(kCtrlAltF7);
        PickAction("Recorder");
        ClickNext();
    });
    EXPECT_EQ(Value(3, "Command"),
              "\x01"
              "first\\nC:\\\\new\\\\x.exe");
    // An older command with backslashes is not touched by the rule.
    StoreCombination(4, "F9");
    profile_.WriteIniValue("HOT4", "Command", "C:\\new\\x.exe", kList);

    MainWindow().Send(kBackgroundModeMessage, 0, 0);
    Press(3);
    Press(4);
    const std::string handle = std::to_string(MainWindow().Handle());
    EXPECT_THAT(Executes(),
                ElementsAre("Execute(\"Ctrl+Alt+F7\",\"first\r\nC:\\new\\x.exe\"," + handle + ")",
                            "Execute(\"F9\",\"C:\\new\\x.exe\"," + handle + ")"));
    // Opened again, the editor hands the module the command as it was given.
    SelectEntry("Ctrl+Alt+F7");
    MainWindow().Send(kBackgroundModeMessage, 1, 0);
    Dialogs().Answer(ModalResult::kYes);
    Open("ReSaveDialog", [&] { ClickNext(); });
    EXPECT_EQ(Settings().back(), SettingOf("Ctrl+Alt+F7", "\"first\r\nC:\\new\\x.exe\""));
}

TEST_F(CombinationEditorTest, UpdateKeepingTheKeyAsksOnlyWhetherToUpdate) {
    SelectEntry("Shift+B");
    Dialogs().Answer(ModalResult::kYes);
    const ModalResult result = Open("ReSaveDialog", [&] {
        EXPECT_EQ(Editor().Caption(), "Update hot key");
        EXPECT_EQ(Editor().Get<FakeHotKeyEdit>("HotKey").Value(), kShiftB);
        EXPECT_EQ(Editor().Get<FakeMemo>("Comment").Text(), "second");
        EXPECT_FALSE(Editor().Get<FakeMemo>("Comment").Visible());
        Editor().Get<FakeMemo>("Comment").SetText("changed");
        ClickNext();
    });
    EXPECT_EQ(result, ModalResult::kOk);
    EXPECT_THAT(DialogTexts(), ElementsAre("Update combination ?"));
    // The action is unchanged: the module is handed the stored command.
    EXPECT_THAT(Settings(), ElementsAre(SettingOf("Shift+B", "\"cmd2\"")));
    EXPECT_EQ(Value(2, "Comment"), "changed");
    EXPECT_EQ(Count(), 2);
}

TEST_F(CombinationEditorTest, UpdateOntoAnotherStoredKeyOverwritesThatOneAndLeavesTheEditedOne) {
    SelectEntry("Shift+B");
    Dialogs().Answer(ModalResult::kYes);
    Dialogs().Answer(ModalResult::kYes);
    Open("ReSaveDialog", [&] {
        Editor().Get<FakeHotKeyEdit>("HotKey").Enter(kShortcutCtrl | kShortcutAlt | 'A');
        PickAction("Other");
        ClickNext();
    });
    EXPECT_THAT(DialogTexts(), ElementsAre("The combination is already appointed. Update it ?",
                                           "Update combination ?"));
    // A changed action starts without the stored command.
    EXPECT_THAT(Settings(), ElementsAre(SettingOf("Ctrl+Alt+A", "null")));
    EXPECT_EQ(Value(1, "Plugin"), "other.dll");
    EXPECT_EQ(Value(1, "Comment"), "second");
    EXPECT_EQ(Value(2, "HotKey"), "Shift+B");
    EXPECT_EQ(Value(2, "Plugin"), "rec.dll");
    EXPECT_EQ(List().Item(List().ItemIndex()), "Ctrl+Alt+A");
}

TEST_F(CombinationEditorTest, AStoredActionNoLongerOfferedIsReportedAndMustBePicked) {
    StoreCombination(3, "F9", true, false, "", "gone.dll");
    program_->Store().LoadList();
    SelectEntry("F9");
    Open("ReSaveDialog", [&] {
        EXPECT_EQ(Editor().Get<FakeDropDownList>("Plugin").ItemIndex(), -1);
        ClickNext();
    });
    EXPECT_THAT(DialogTexts(), ElementsAre("Action for this combination is not found !!!",
                                           "Action is not specified."));
    EXPECT_EQ(Value(3, "Plugin"), "gone.dll");
}

TEST_F(CombinationEditorTest, SettingsRunWithTheEditorHiddenAndACancellationSavesNothing) {
    fakes::FakeModule& recorder = loader_.modules.at(kRecorder);
    bool hiddenDuringSetting = false;
    recorder.onSetting = [&] { hiddenDuringSetting = !Editor().Visible(); };
    recorder.commands = {"NOCOMMAND"};
    const ModalResult result = Open("NewDialog", [&] {
        Editor().Get<FakeHotKeyEdit>("HotKey").Enter(kCtrlAltF7);
        PickAction("Recorder");
        ClickNext();
    });
    EXPECT_TRUE(hiddenDuringSetting);
    EXPECT_EQ(result, ModalResult::kCancel);
    EXPECT_EQ(Count(), 2);
    EXPECT_THAT(DialogTexts(), IsEmpty());
}

TEST_F(CombinationEditorTest, EnterIsNextOutsideTheCommentAndEscapeCancels) {
    EXPECT_EQ(Open("NewDialog",
                   [&] {
                       Editor().Get<FakeHotKeyEdit>("HotKey").Enter(kCtrlAltF7);
                       PickAction("Recorder");
                       EXPECT_TRUE(Editor().PressShortcut(27));
                   }),
              ModalResult::kCancel);
    EXPECT_EQ(Open("NewDialog",
                   [&] {
                       ASSERT_TRUE(Editor().Get<FakeGlyphButton>("Speed2").Click());
                       Editor().Get<FakeMemo>("Comment").SetFocus();
                       EXPECT_FALSE(Editor().PressShortcut(13)) << "a new line in the comment";
                   }),
              ModalResult::kCancel);
    EXPECT_EQ(Open("NewDialog",
                   [&] {
                       auto& actions = Editor().Get<FakeDropDownList>("Plugin");
                       actions.SetDroppedDown(true);
                       EXPECT_FALSE(Editor().PressShortcut(13)) << "the open list takes Enter";
                   }),
              ModalResult::kCancel);
    EXPECT_EQ(Count(), 2);
}

// Tab goes down the editor as it looks, with the comment shown in place of the two boxes
// or not.
TEST_F(CombinationEditorTest, TheTabOrderFollowsTheScreen) {
    auto tops = [&] {
        std::vector<std::pair<int, int>> stops;  // tab order, top
        for (FakeControlBase* control : Editor().Controls())
            if (control->Layout().tabOrder >= 0 && control->AsControl().Visible())
                stops.emplace_back(control->Layout().tabOrder, control->Layout().bounds.top);
        std::sort(stops.begin(), stops.end());
        std::vector<int> result;
        for (const auto& stop : stops) result.push_back(stop.second);
        return result;
    };
    Open("NewDialog", [&] {
        const std::vector<int> plain = tops();
        EXPECT_TRUE(std::is_sorted(plain.begin(), plain.end()));
        ASSERT_TRUE(Editor().Get<FakeGlyphButton>("Speed2").Click());
        const std::vector<int> withComment = tops();
        EXPECT_TRUE(std::is_sorted(withComment.begin(), withComment.end()));
    });
}

TEST_F(CombinationEditorTest, TheKeyboardLayoutIsActivatedOnOpeningOnEachKeyAndOnActivation) {
    std::size_t opened = 0, entered = 0, activated = 0;
    Open("NewDialog", [&] {
        opened = keyboard_.Activated().size();
        Editor().Get<FakeHotKeyEdit>("HotKey").Enter(kCtrlAltF7);
        entered = keyboard_.Activated().size();
        Editor().Activate();
        activated = keyboard_.Activated().size();
    });
    EXPECT_GT(opened, 0u);
    EXPECT_GT(entered, opened);
    EXPECT_GT(activated, entered);
}

TEST_F(CombinationEditorTest, ThePictureCarriesItsTextsAndIsFoggedWhileTheProgramIsInactive) {
    FakeTextRasterizer rasterizer;
    program_.reset();
    services_.text = &rasterizer;
    program_ = std::make_unique<Program>(toolkit_, services_);
    program_->Run();
    auto picture = [&] { return Editor().Get<FakePicture>("Image1").Image(); };
    Bitmap created;
    Open("NewDialog", [&] {
        created = picture();
        EXPECT_NE(created, program_->Look().Skin()) << "no texts drawn";
        Editor().ActivateApp(false);
        EXPECT_NE(picture(), created) << "not fogged";
        Editor().ActivateApp(true);
        EXPECT_EQ(picture(), created);
    });
    program_.reset();  // before the rasterizer it draws with
}

TEST_F(CombinationEditorTest, TheCommentToggleSwapsItsHintAndTheCommentStartsHidden) {
    Open("NewDialog", [&] {
        auto& toggle = Editor().Get<FakeGlyphButton>("Speed2");
        auto& comment = Editor().Get<FakeMemo>("Comment");
        ASSERT_TRUE(toggle.Click());
        EXPECT_TRUE(comment.Visible());
        EXPECT_EQ(toggle.Hint(), "Hide comment");
        ASSERT_TRUE(toggle.Click());
        EXPECT_FALSE(comment.Visible());
        EXPECT_EQ(toggle.Hint(), "Show comment");
        ASSERT_TRUE(toggle.Click());
    });
    Open("NewDialog", [&] {
        EXPECT_FALSE(Editor().Get<FakeMemo>("Comment").Visible());
        EXPECT_EQ(Editor().Get<FakeGlyphButton>("Speed2").Hint(), "Show comment");
    });
}

TEST_F(CombinationEditorTest, DeleteAsksWithTheEntryAndCancelKeepsIt) {
    SetOption("MESSAGE", "DELETE_HOT_KEY", true);
    SelectEntry("Ctrl+Alt+A");
    Dialogs().Answer(ModalResult::kCancel);
    program_->Form1().Actions().Execute("DeleteDialog");
    EXPECT_EQ(Count(), 2);
    ASSERT_EQ(Dialogs().shown.size(), 1u);
    EXPECT_EQ(Dialogs().shown[0].text, "You really want to remove this combination ?\rCtrl+Alt+A");
    EXPECT_EQ(Dialogs().shown[0].buttons, DialogButtons::kYesCancel);
    EXPECT_TRUE(Dialogs().shown[0].beep);

    Dialogs().Answer(ModalResult::kYes);
    program_->Form1().Actions().Execute("DeleteDialog");
    EXPECT_EQ(Count(), 1);
    EXPECT_EQ(Value(1, "HotKey"), "Shift+B");
}

}  // namespace
}  // namespace quorvel
