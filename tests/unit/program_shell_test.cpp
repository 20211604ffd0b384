// The program as a whole on fakes: start-up order and titles, the first activation, the
// tray icon and its menu, the exit question, the web links and the fog of open dialogs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/fake_text_rasterizer.h"
#include "heart_fixture.h"
#include "skin/appearance.h"

namespace quorvel {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::Pair;
using ::testing::StartsWith;

struct RecordingShell : Shell {
    void Open(std::uintptr_t owner, const std::string& address) override {
        opened.emplace_back(owner, address);
    }
    std::vector<std::pair<std::uintptr_t, std::string>> opened;
};

class ProgramShellTest : public HeartTest {
  protected:
    // The program again, as started with this first argument and these options.
    void Restart(const std::string& firstArgument) {
        program_.reset();
        services_.firstArgument = firstArgument;
        services_.shell = &shell_;
        toolkit_.titles.clear();
        program_ = std::make_unique<Program>(toolkit_, services_);
    }
    void StartAndActivate() {
        program_->Run();
        toolkit_.FormNamed("TForm1").Activate();
    }
    FakeTrayIcon& Tray() { return *toolkit_.TrayIcons().at(0); }
    FakePopupMenu& Menu1() { return toolkit_.GetMenu("Menu1"); }
    std::string Stored(const std::string& section, const std::string& key) {
        return profile_.ReadIniValue(section, key, kOptions);
    }
    void EnterBackground() { toolkit_.FormNamed("TForm1").Get<FakePushButton>("Button6").Click(); }

    RecordingShell shell_;
    FakeTextRasterizer text_;
};

TEST_F(ProgramShellTest, StartsUnderTheStartingTitleAndEndsStartUpWithTheProgramTitle) {
    Restart("");
    StartAndActivate();
    EXPECT_THAT(toolkit_.titles, ElementsAre("Quorvel started ...", "Quorvel 3.5"));
    EXPECT_TRUE(MainWindow().Visible());
    EXPECT_FALSE(Tray().Active());
    EXPECT_EQ(Tray().Hint(), "Quorvel 3.5");
    EXPECT_THAT(toolkit_.dialogs.shown, IsEmpty());  // the information box is off here
}

TEST_F(ProgramShellTest, TheInformationBoxAsksOnceAndNoSwitchesItOffForLaterStarts) {
    SetOption("PROGRAM", "INFORMATION_SHOW", true);
    Restart("");
    toolkit_.dialogs.Answer(ModalResult::kNo);
    StartAndActivate();
    ASSERT_EQ(toolkit_.dialogs.shown.size(), 1u);
    EXPECT_EQ(toolkit_.dialogs.shown[0].caption, "Quorvel");
    EXPECT_EQ(toolkit_.dialogs.shown[0].buttons, DialogButtons::kYesNo);
    EXPECT_EQ(toolkit_.messagePumps, 1);  // the window is drawn before the box
    EXPECT_EQ(Stored("PROGRAM", "INFORMATION_SHOW"), "0");
    // Later activations ask nothing.
    toolkit_.FormNamed("TForm1").Activate();
    EXPECT_EQ(toolkit_.dialogs.shown.size(), 1u);
    EXPECT_TRUE(MainWindow().Visible());
}

TEST_F(ProgramShellTest, AutoInAnyCaseGoesToBackgroundModeAfterTheInformationBox) {
    SetOption("PROGRAM", "INFORMATION_SHOW", true);
    Restart("aUtO");
    toolkit_.dialogs.Answer(ModalResult::kYes);
    StartAndActivate();
    EXPECT_EQ(toolkit_.dialogs.shown.size(), 1u);
    EXPECT_EQ(Stored("PROGRAM", "INFORMATION_SHOW"), "-1");
    EXPECT_FALSE(MainWindow().Visible());
    EXPECT_TRUE(Tray().Active());

    Restart("/auto");
    StartAndActivate();
    EXPECT_TRUE(MainWindow().Visible());
}

TEST_F(ProgramShellTest, TheTrayClickAsksBeforeLeavingAndCancelKeepsBackgroundMode) {
    StoreCombination(1, "F5");
    Restart("");
    StartAndActivate();
    EnterBackground();
    toolkit_.dialogs.Answer(ModalResult::kCancel);
    EXPECT_TRUE(Tray().Click());
    ASSERT_EQ(toolkit_.dialogs.shown.size(), 1u);
    EXPECT_EQ(toolkit_.dialogs.shown[0].buttons, DialogButtons::kYesCancel);
    EXPECT_EQ(toolkit_.foregroundRequests, 1);
    EXPECT_FALSE(MainWindow().Visible());
    EXPECT_EQ(hotKeys_->registered.size(), 1u);  // combinations still fire

    toolkit_.dialogs.Answer(ModalResult::kYes);
    Menu1().Choose("N1");
    EXPECT_TRUE(MainWindow().Visible());
    EXPECT_THAT(hotKeys_->registered, IsEmpty());
}

TEST_F(ProgramShellTest, WithFastOpenOnlyTheDoubleClickOrN1ShowsTheWindow) {
    SetOption("TRAY", "FASTOPEN", true);
    SetOption("MESSAGE", "DISABLE_FONE_MODES", false);
    Restart("");
    StartAndActivate();
    EnterBackground();
    Tray().Click();
    EXPECT_FALSE(MainWindow().Visible());
    // While the options dialog is open N1 is off, and so is the double click.
    Menu1().SetEnabled("N1", false);
    Tray().DoubleClick();
    EXPECT_FALSE(MainWindow().Visible());
    Menu1().SetEnabled("N1", true);
    Tray().DoubleClick();
    EXPECT_TRUE(MainWindow().Visible());
    EXPECT_THAT(toolkit_.dialogs.shown, IsEmpty());
}

TEST_F(ProgramShellTest, ClosingAsksWhenTheOptionSaysSoAndCancelKeepsTheStateItWasIn) {
    SetOption("MESSAGE", "EXIT_PROGRAM", true);
    Restart("");
    StartAndActivate();
    EnterBackground();
    toolkit_.dialogs.Answer(ModalResult::kCancel);
    Menu1().Choose("N4");
    ASSERT_EQ(toolkit_.dialogs.shown.size(), 1u);
    EXPECT_EQ(toolkit_.dialogs.shown[0].text, "Exit from the program ?");
    EXPECT_FALSE(toolkit_.FormNamed("TForm1").closed);
    EXPECT_TRUE(Tray().Active());

    toolkit_.dialogs.Answer(ModalResult::kYes);
    Menu1().Choose("N4");
    EXPECT_TRUE(toolkit_.FormNamed("TForm1").closed);

    SetOption("MESSAGE", "EXIT_PROGRAM", false);
    Restart("");
    StartAndActivate();
    toolkit_.FormNamed("TForm1").Get<FakeGlyphButton>("Speedbut123").Click();
    EXPECT_TRUE(toolkit_.FormNamed("TForm1").closed);
    EXPECT_EQ(toolkit_.dialogs.shown.size(), 2u);
}

TEST_F(ProgramShellTest, TheWebLinksOpenTheirPagesOwnedByTheMainWindow) {
    Restart("");
    StartAndActivate();
    Menu1().Choose("N7");
    Menu1().Choose("N10");
    toolkit_.FormNamed("TForm1").Get<FakeGlyphButton>("SpeedButton").Click();
    dynamic_cast<FakeForm&>(program_->Form4().Window()).Get<FakeLabel>("XPLabel1").Click();
    const std::uintptr_t main = MainWindow().Handle();
    EXPECT_THAT(shell_.opened, ElementsAre(Pair(main, "http://www.quorvel.net/documentation.htm"),
                                           Pair(main, "http://www.quorvel.net/index.htm"),
                                           Pair(main, "http://www.quorvel.net/documentation.htm"),
                                           Pair(main, "http://www.quorvel.net/index.htm")));
}

TEST_F(ProgramShellTest, TheAboutBoxIsTitledInTheLanguageAndThanksWithTheJpegNotice) {
    files_.AddFile("C:\\Quorvel\\LANGUAGE\\Deutsch.TXT",
                   "[FILE]\r\nLANGUAGE=Deutsch\r\n[FORM4]\r\nCaption2=Über das Programm\r\n");
    profile_.WriteIniValue("PROGRAM", "FILE_LANGUAGE", "Deutsch.TXT", kOptions);
    services_.text = &text_;
    Restart("");
    StartAndActivate();
    FakeForm& about = dynamic_cast<FakeForm&>(program_->Form4().Window());
    about.WhileNextModal([&] { about.Get<FakePushButton>("XPBitBtn3").Click(); });
    program_->Form1().Actions().Execute("AboutDialog");
    EXPECT_THAT(text_.drawnTexts, Contains("Über das Programm"));
    EXPECT_THAT(text_.drawnTexts, Not(Contains("About the program")));
    ASSERT_FALSE(toolkit_.dialogs.shown.empty());
    const MessageRequest& thanks = toolkit_.dialogs.shown.back();
    EXPECT_EQ(thanks.type, DialogType::kInformation);
    EXPECT_EQ(thanks.buttons, DialogButtons::kOk);
    EXPECT_THAT(thanks.text,
                StartsWith("The special gratitude is expressed these people :\n\r\n\r"));
    EXPECT_THAT(thanks.text, HasSubstr("based in part on the work of the Independent JPEG Group."));
}

TEST_F(ProgramShellTest, AnOpenDialogKeepsTheMainPictureFoggedUntilItCloses) {
    Restart("");
    StartAndActivate();
    FakeForm& main = toolkit_.FormNamed("TForm1");
    const Bitmap clear = program_->Form1().Image1->Image();
    Bitmap duringDialog, afterReactivation;
    dynamic_cast<FakeForm&>(program_->Form4().Window()).WhileNextModal([&] {
        EXPECT_TRUE(program_->Form1().DialogOpen());
        duringDialog = program_->Form1().Image1->Image();
        main.ActivateApp(false);
        main.ActivateApp(true);
        afterReactivation = program_->Form1().Image1->Image();
    });
    toolkit_.FormNamed("TForm1").Get<FakePushButton>("Button5").Click();
    EXPECT_FALSE(duringDialog == clear);  // fogged as the about box showed
    EXPECT_FALSE(afterReactivation == clear);
    EXPECT_FALSE(program_->Form1().DialogOpen());
    EXPECT_TRUE(program_->Form1().Image1->Image() == clear);
    // Without a dialog, reactivation clears the fog.
    main.ActivateApp(false);
    EXPECT_FALSE(program_->Form1().Image1->Image() == clear);
    main.ActivateApp(true);
    EXPECT_TRUE(program_->Form1().Image1->Image() == clear);
}

TEST_F(ProgramShellTest, ModulesAreToldTheFullPathOfTheSkin) {
    StoreCombination(1, "F5");
    Restart("");
    StartAndActivate();
    EnterBackground();
    Press(1);
    ASSERT_EQ(Executes().size(), 1u);
    EXPECT_EQ(loader_.lastRecord.skinFile, "C:\\Quorvel\\Blue.jpg");
}

TEST_F(ProgramShellTest, DeleteAndUpdateShortcutsDoNothingWithoutASelection) {
    StoreCombination(1, "F5");
    Restart("");
    StartAndActivate();
    List().SetItemIndex(-1);
    FakeForm& main = toolkit_.FormNamed("TForm1");
    main.PressShortcut(46);                  // Delete
    main.PressShortcut(kShortcutCtrl | 45);  // Ctrl+Insert
    EXPECT_EQ(Count(), 1);
    EXPECT_TRUE(dynamic_cast<FakeForm&>(program_->Form2().Window()).modalRuns.empty());
}

}  // namespace
}  // namespace quorvel
