// Background mode and every way a hot-key press can go, through the whole program.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "heart_fixture.h"

namespace quorvel {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Keys = fakes::FakeSystemHotKeys::Keys;

TEST(ShortCutToModifiers, EachModifierMapsOnItsOwn) {
    EXPECT_EQ(ShortCutToModifiers('A').modifiers, 0u);
    EXPECT_EQ(ShortCutToModifiers(kShortcutAlt | 'A').modifiers, 1u);
    EXPECT_EQ(ShortCutToModifiers(kShortcutCtrl | 'A').modifiers, 2u);
    EXPECT_EQ(ShortCutToModifiers(kShortcutShift | 'A').modifiers, 4u);
    EXPECT_EQ(ShortCutToModifiers(kShortcutAlt | kShortcutCtrl | 'A').modifiers, 3u);
    EXPECT_EQ(ShortCutToModifiers(kShortcutShift | kShortcutAlt | 'A').modifiers, 5u);
    EXPECT_EQ(ShortCutToModifiers(kShortcutShift | kShortcutCtrl | 'A').modifiers, 6u);
    const auto all = ShortCutToModifiers(kShortcutShift | kShortcutCtrl | kShortcutAlt | 123);
    EXPECT_EQ(all.modifiers, 7u);
    EXPECT_EQ(all.virtualKey, 123u);
    const auto win = ShortCutToModifiers(kShortcutWin | kShortcutAlt | 119);
    EXPECT_EQ(win.modifiers, kModWin | kModAlt);
    EXPECT_EQ(win.virtualKey, 119u);
}

class DispatchTest : public HeartTest {
  protected:
    void SetUp() override {
        StoreCombination(1, "Ctrl+Alt+A");
        StoreCombination(2, "Shift+B", true, true);  // asks first
        StoreCombination(3, "F7", false);            // off
        StoreCombination(4, "F8");
        program_->Run();
    }
    void EnterBackground() { MainWindow().Send(kBackgroundModeMessage, 0, 0); }
    const MessageRequest& LastDialog() { return toolkit_.dialogs.shown.back(); }
};

TEST_F(DispatchTest, BackgroundModeRegistersTheEnabledCombinationsAndHidesTheWindow) {
    EXPECT_THAT(hotKeys_->registered, IsEmpty());
    EnterBackground();
    EXPECT_EQ(hotKeys_->registered.size(), 3u);
    // Each without repeats: a held combination fires once.
    EXPECT_EQ(hotKeys_->registered.at(1), (Keys{kModControl | kModAlt | kModNoRepeat, 'A'}));
    EXPECT_EQ(hotKeys_->registered.at(2), (Keys{kModShift | kModNoRepeat, 'B'}));
    EXPECT_EQ(hotKeys_->registered.at(4), (Keys{kModNoRepeat, 119}));
    EXPECT_FALSE(MainWindow().Visible());
    EXPECT_TRUE(program_->Form1().Tray->Active());
    EXPECT_EQ(program_->Form1().Tray->ImageIndex(), 0);

    hotKeys_->calls.clear();
    MainWindow().Send(kBackgroundModeMessage, 1, 0);
    EXPECT_THAT(hotKeys_->registered, IsEmpty());
    // The switched-off combination was never there to release.
    EXPECT_THAT(hotKeys_->calls, ElementsAre("unregister 1", "unregister 2", "unregister 4"));
    EXPECT_TRUE(MainWindow().Visible());
    EXPECT_FALSE(program_->Form1().Tray->Active());
}

TEST_F(DispatchTest, APressRunsTheActionWithTheStoredTextsAndTheMainWindow) {
    EnterBackground();
    Press(1);
    EXPECT_THAT(Executes(), ElementsAre(ExecuteOf(1, "Ctrl+Alt+A")));
    EXPECT_THAT(toolkit_.dialogs.shown, IsEmpty());
}

TEST_F(DispatchTest, AHandEditCountsAtTheNextPress) {
    EnterBackground();
    profile_.WriteIniValue("HOT4", "Command", "cmd1", kList);
    Press(4);
    EXPECT_THAT(Executes(), ElementsAre("Execute(\"F8\",\"cmd1\"," +
                                        std::to_string(MainWindow().Handle()) + ")"));
    profile_.WriteIniValue("HOT4", "Checked", "0", kList);
    Press(4);
    EXPECT_EQ(Executes().size(), 1u);
}

TEST_F(DispatchTest, TheMasterSwitchOffRunsNothingAndReleasesEverything) {
    EnterBackground();
    SetOption("PROGRAM", "ENABLE_ALL_HOT_KEY", false);
    Press(1);
    EXPECT_THAT(Executes(), IsEmpty());
    EXPECT_THAT(hotKeys_->registered, IsEmpty());
}

TEST_F(DispatchTest, ConfirmationWithASecondPressRunsOnceAfterTheRequestHasGone) {
    EnterBackground();
    bool ranInsideRequest = false;
    toolkit_.dialogs.AnswerWith([&](const MessageRequest&) {
        EXPECT_TRUE(hotKeys_->registered.count(kCancelHotKeyId));
        EXPECT_EQ(hotKeys_->registered.at(kCancelHotKeyId), (Keys{kModNoRepeat, 0x1B}));
        Press(2);
        ranInsideRequest = !Executes().empty();
        return ModalResult::kYes;  // ignored: the box was closed
    });
    Press(2);
    EXPECT_FALSE(ranInsideRequest);
    EXPECT_THAT(Executes(), ElementsAre(ExecuteOf(2, "Shift+B")));
    const MessageRequest& request = toolkit_.dialogs.shown.at(0);
    EXPECT_EQ(CaptionOf(request), "Warning");
    EXPECT_EQ(request.buttons, DialogButtons::kYesAbort);
    EXPECT_EQ(DefaultButtonOf(request), ModalResult::kYes);
    EXPECT_EQ(request.text,
              "For acknowledgement of performance of a combination press it again or 'Esc' for "
              "a cancellation\rShift+B");
    EXPECT_EQ(toolkit_.dialogs.beeps, 1);
    EXPECT_FALSE(hotKeys_->registered.count(kCancelHotKeyId));
    EXPECT_FALSE(Dispatcher().ConfirmationPending());
    // Focus went back to the window of the other program.
    EXPECT_THAT(focus_.calls,
                ElementsAre("attach 77", "detach 77", "attach 77", "focus 3852", "detach 77"));
}

TEST_F(DispatchTest, EscDuringTheRequestRunsNothingAndFreesEsc) {
    EnterBackground();
    toolkit_.dialogs.AnswerWith([&](const MessageRequest&) {
        Press(kCancelHotKeyId);
        return ModalResult::kYes;
    });
    Press(2);
    EXPECT_THAT(Executes(), IsEmpty());
    EXPECT_FALSE(hotKeys_->registered.count(kCancelHotKeyId));
    EXPECT_FALSE(Dispatcher().ConfirmationPending());
    // The next press asks again.
    toolkit_.dialogs.Answer(ModalResult::kAbort);
    Press(2);
    EXPECT_EQ(toolkit_.dialogs.shown.size(), 2u);
    EXPECT_THAT(Executes(), IsEmpty());
}

// Esc pressed twice in quick succession: the second press was already on its way as the
// first one ended the request.
TEST_F(DispatchTest, AnEscThatArrivesAfterTheRequestHasEndedDoesNothing) {
    EnterBackground();
    toolkit_.dialogs.AnswerWith([&](const MessageRequest&) {
        Press(kCancelHotKeyId);
        return ModalResult::kYes;
    });
    Press(2);
    Press(kCancelHotKeyId);
    EXPECT_THAT(toolkit_.dialogs.ErrorTexts(), IsEmpty());
    EXPECT_EQ(toolkit_.dialogs.shown.size(), 1u);
    EXPECT_THAT(Executes(), IsEmpty());
    EXPECT_EQ(hotKeys_->registered.size(), 3u);
    // Also with the master switch off: the combinations stay registered.
    SetOption("PROGRAM", "ENABLE_ALL_HOT_KEY", false);
    Press(kCancelHotKeyId);
    EXPECT_EQ(hotKeys_->registered.size(), 3u);
    EXPECT_THAT(toolkit_.dialogs.ErrorTexts(), IsEmpty());
}

TEST_F(DispatchTest, AnotherCombinationDuringTheRequestRunsWithoutItsOwnQuestion) {
    StoreCombination(5, "F9", true, true);
    EnterBackground();
    toolkit_.dialogs.AnswerWith([&](const MessageRequest&) {
        Press(5);
        return ModalResult::kYes;
    });
    Press(2);
    EXPECT_THAT(Executes(), ElementsAre(ExecuteOf(5, "F9")));
    EXPECT_EQ(toolkit_.dialogs.shown.size(), 1u);
}

TEST_F(DispatchTest, YesRunsAndAbortOrTheCloseBoxDoNot) {
    EnterBackground();
    toolkit_.dialogs.Answer(ModalResult::kAbort);
    Press(2);
    toolkit_.dialogs.Answer(ModalResult::kCancel);
    Press(2);
    EXPECT_THAT(Executes(), IsEmpty());
    toolkit_.dialogs.Answer(ModalResult::kYes);
    Press(2);
    EXPECT_THAT(Executes(), ElementsAre(ExecuteOf(2, "Shift+B")));
    EXPECT_FALSE(hotKeys_->registered.count(kCancelHotKeyId));
}

TEST_F(DispatchTest, AConfirmedCombinationThatIsOffRunsNothing) {
    profile_.WriteIniValue("HOT2", "Checked", "0", kList);
    toolkit_.dialogs.Answer(ModalResult::kYes);
    Press(2);
    EXPECT_EQ(toolkit_.dialogs.shown.size(), 1u);
    EXPECT_THAT(Executes(), IsEmpty());
}

TEST_F(DispatchTest, APressWhileAnActionRunsIsDropped) {
    EnterBackground();
    loader_.modules[kRecorder].onExecute = [this] {
        static int depth = 0;
        if (depth++ == 0) Press(4);
    };
    Press(1);
    EXPECT_THAT(Executes(), ElementsAre(ExecuteOf(1, "Ctrl+Alt+A")));
    Press(4);
    EXPECT_THAT(Executes(), ElementsAre(ExecuteOf(1, "Ctrl+Alt+A"), ExecuteOf(4, "F8")));
}

TEST_F(DispatchTest, ABrokenBooleanAbandonsThePressWithTheError) {
    profile_.WriteIniValue("HOT1", "Warning", "maybe", kList);
    Press(1);
    EXPECT_THAT(toolkit_.dialogs.ErrorTexts(), ElementsAre("'maybe' is not a valid boolean value"));
    EXPECT_THAT(Executes(), IsEmpty());
}

TEST_F(DispatchTest, TheOfferToGoBackToBackgroundAsksOnlyWhenTheOptionIsOn) {
    toolkit_.dialogs.Answer(ModalResult::kYes);
    MainWindow().Send(kOfferBackgroundMessage, 0, 0);
    EXPECT_EQ(LastDialog().text, "At setting combinations will be switched - off.");
    EXPECT_EQ(LastDialog().buttons, DialogButtons::kYesCancel);
    EXPECT_TRUE(LastDialog().beep);
    EXPECT_TRUE(MainWindow().Visible());
    toolkit_.dialogs.Answer(ModalResult::kCancel);
    MainWindow().Send(kOfferBackgroundMessage, 0, 0);
    EXPECT_FALSE(MainWindow().Visible());
    EXPECT_EQ(hotKeys_->registered.size(), 3u);

    SetOption("MESSAGE", "DISABLE_FONE_MODES", false);
    MainWindow().Send(kOfferBackgroundMessage, 0, 0);
    EXPECT_EQ(toolkit_.dialogs.shown.size(), 2u);
}

TEST_F(DispatchTest, AHeldCombinationFiresOnceAndNeverConfirmsItsOwnRequest) {
    EnterBackground();
    // Where the system repeats a held key despite the no-repeat flag.
    hotKeys_->down = {'B', 119};
    int repeatsSeenByTheRequest = 0;
    toolkit_.dialogs.AnswerWith([&](const MessageRequest&) {
        for (int i = 0; i < 5; ++i) Repeat(2);
        repeatsSeenByTheRequest = int(Executes().size());
        EXPECT_TRUE(Dispatcher().ConfirmationPending());
        hotKeys_->down.erase('B');
        Press(2);  // let go, then pressed again
        return ModalResult::kYes;
    });
    Press(2);
    EXPECT_EQ(repeatsSeenByTheRequest, 0);
    EXPECT_THAT(Executes(), ElementsAre(ExecuteOf(2, "Shift+B")));

    // Without a question: once per press, however long the key is held.
    Press(4);
    Repeat(4);
    Press(4);  // still held at the watch's sample
    EXPECT_THAT(Executes(), ElementsAre(ExecuteOf(2, "Shift+B"), ExecuteOf(4, "F8")));
    hotKeys_->down.clear();
    Press(4);
    EXPECT_EQ(Executes().size(), 3u);
    // A press handled after its key was let go was a whole press; the next one is new.
    Repeat(4);
    EXPECT_EQ(Executes().size(), 4u);
}

// Hand edits made while in background mode: the way back shows the window whatever the
// file says, releases exactly what was registered and reports a fault once, afterwards.
TEST_F(DispatchTest, TheWayBackAlwaysShowsTheWindowAndReleasesWhatWasRegistered) {
    auto leave = [&](int way) {
        hotKeys_->calls.clear();
        toolkit_.dialogs.shown.clear();
        toolkit_.dialogs.Answer(ModalResult::kYes);  // leaving is asked about
        if (way == 0) toolkit_.TrayIcons().at(0)->Click();
        if (way == 1) toolkit_.GetMenu("Menu1").Choose("N1");
        if (way == 2) MainWindow().Send(kBackgroundModeMessage, 1, 0);
        EXPECT_TRUE(MainWindow().Visible()) << way;
        EXPECT_FALSE(program_->Form1().Tray->Active());
        EXPECT_THAT(hotKeys_->registered, IsEmpty());
        EXPECT_THAT(hotKeys_->calls, ElementsAre("unregister 1", "unregister 2", "unregister 4"));
    };
    EnterBackground();
    profile_.WriteIniValue("Base", "Index", "lots", kList);
    leave(0);
    EXPECT_THAT(toolkit_.dialogs.ErrorTexts(), ElementsAre("'lots' is not a valid integer value"));
    EXPECT_EQ(List().Count(), 0);

    SetCount(4);
    EnterBackground();
    profile_.WriteIniValue("HOT1", "Checked", "maybe", kList);
    leave(1);
    EXPECT_THAT(toolkit_.dialogs.ErrorTexts(), ElementsAre("'maybe' is not a valid boolean value"));
    EXPECT_EQ(List().Count(), 4);

    profile_.WriteIniValue("HOT1", "Checked", "-1", kList);
    EnterBackground();
    files_.RemoveFile(kList);
    leave(2);
    // Made again, as at start.
    EXPECT_THAT(toolkit_.dialogs.ErrorTexts(), IsEmpty());
    EXPECT_EQ(List().Count(), 0);
    EXPECT_EQ(Count(), 0);
}

TEST_F(DispatchTest, AListThatBreaksRegistrationHalfWayReleasesItAndStaysShown) {
    profile_.WriteIniValue("HOT4", "Checked", "maybe", kList);
    EnterBackground();
    EXPECT_THAT(toolkit_.dialogs.ErrorTexts(), ElementsAre("'maybe' is not a valid boolean value"));
    EXPECT_THAT(hotKeys_->registered, IsEmpty());
    EXPECT_TRUE(MainWindow().Visible());
    EXPECT_FALSE(program_->Form1().Tray->Active());
}

TEST_F(DispatchTest, ACombinationHeldElsewhereIsNamedAndMarkedUntilItRegisters) {
    StoreCombination(5, "Ctrl+Alt+F9", true, false, "my note");
    hotKeys_->heldElsewhere = {{kModControl | kModAlt, 'A'}, {kModControl | kModAlt, 120}};
    EnterBackground();
    EXPECT_EQ(hotKeys_->registered.size(), 2u);
    const auto& balloons = toolkit_.TrayIcons().at(0)->balloons;
    EXPECT_THAT(balloons, ElementsAre("Quorvel: Not available: Ctrl+Alt+A, Ctrl+Alt+F9 \u2014 used "
                                      "by Windows or another program"));
    EXPECT_THAT(toolkit_.dialogs.shown, IsEmpty());

    MainWindow().Send(kBackgroundModeMessage, 1, 0);
    // The list is sorted.
    EXPECT_EQ(List().Item(0), "Ctrl+Alt+A (!)");
    EXPECT_EQ(List().Item(1), "Ctrl+Alt+F9 (!)");
    EXPECT_EQ(List().Item(3), "F8");
    List().SetItemIndex(1);
    Store().ListClick();
    EXPECT_EQ(Store().SelectedRecordNumber(), 5);
    EXPECT_EQ(List().Hint(),
              "Ctrl+Alt+F9 - Recorder\rNot available \u2014 used by Windows or another "
              "program\rmy note");

    // Let go by the other program: registered at the next try, and the mark is gone.
    hotKeys_->heldElsewhere.clear();
    EnterBackground();
    EXPECT_EQ(balloons.size(), 1u);
    MainWindow().Send(kBackgroundModeMessage, 1, 0);
    EXPECT_EQ(List().Item(1), "Ctrl+Alt+F9");
    EXPECT_EQ(List().ItemIndex(), 1);
}

TEST_F(DispatchTest, TheMinimiseButtonAndTheTrayIconSwitchModes) {
    toolkit_.FormNamed("TForm1").Get<FakePushButton>("Button6").Click();
    EXPECT_FALSE(MainWindow().Visible());
    EXPECT_EQ(keyboard_.Activated().size(), 1u);
    toolkit_.dialogs.Answer(ModalResult::kYes);  // leaving background mode is asked about
    toolkit_.TrayIcons().at(0)->Click();
    EXPECT_TRUE(MainWindow().Visible());
    EXPECT_THAT(hotKeys_->registered, IsEmpty());
}

}  // namespace
}  // namespace quorvel
