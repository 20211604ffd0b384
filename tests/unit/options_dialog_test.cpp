// The options dialog on the program's fakes: the options shown, saved by Ok with the
// autorun value, the plug-in folder and the disc watch, left alone by Cancel; the pages;
// the language and the skin applied at once; the plug-in folder held for the run.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "heart_fixture.h"

namespace quorvel {
namespace {

using Root = AutorunRegistry::Root;

class OptionsDialogTest : public HeartTest {
  protected:
    OptionsDialogTest() { program_->Run(); }

    FakeForm& Dialog() { return dynamic_cast<FakeForm&>(program_->Form3().Window()); }
    FakeCheckBox& Box(const char* name) { return Dialog().Get<FakeCheckBox>(name); }
    // Opens the dialog from the main window's Setting button and runs `script` in it.
    void OpenOptions(std::function<void()> script) {
        Dialog().WhileNextModal(std::move(script));
        toolkit_.FormNamed("TForm1").Get<FakePushButton>("Button4").Click();
    }
    std::string OptionsBytes() { return files_.File(kOptions).value_or(""); }
    void Click(const char* button) { Dialog().Get<FakePushButton>(button).Click(); }
    FakeGlyphButton& Glyph(const char* name) { return Dialog().Get<FakeGlyphButton>(name); }
    FakeListBox& Skins() { return Dialog().Get<FakeListBox>("ListSkin"); }
    FakeDropDownList& Drives() { return Dialog().Get<FakeDropDownList>("DriveLeter"); }
};

TEST_F(OptionsDialogTest, ShowsTheStoredOptionsWithTheirDependentControls) {
    SetOption("PROGRAM", "AUTORUN", false);
    SetOption("MODULES", "AUTO_PLUGIN_FOLDER", false);
    SetOption("TRAY", "DISKINDRIVE", false);
    profile_.WriteIniValue("MODULES", "FOLDER_PLUGIN", "D:\\Mods\\", kOptions);
    OpenOptions([&] {
        EXPECT_FALSE(Box("C1").Checked());
        EXPECT_TRUE(Box("C2").Checked());
        EXPECT_FALSE(Box("C6").Checked());
        EXPECT_EQ(Dialog().Get<FakeEdit>("FolderEdit").Text(), "D:\\Mods\\");
        EXPECT_TRUE(Dialog().Get<FakeEdit>("FolderEdit").Enabled());
        EXPECT_FALSE(Box("C9").Enabled());
        EXPECT_FALSE(Dialog().Get<FakeDropDownList>("DriveLeter").Enabled());
        Box("C8").SetChecked(true);
        EXPECT_TRUE(Box("C9").Enabled());
        Box("C6").SetChecked(true);
        EXPECT_FALSE(Dialog().Get<FakeEdit>("FolderEdit").Enabled());
    });
    EXPECT_THAT(toolkit_.dialogs.ErrorTexts(), ::testing::IsEmpty());
}

TEST_F(OptionsDialogTest, AnOptionThatIsNoBooleanIsReportedAndTheDialogStillOpens) {
    profile_.WriteIniValue("MESSAGE", "EXIT_PROGRAM", "yes", kOptions);
    SetOption("MESSAGE", "DISABLE_FONE_MODES", false);
    bool opened = false;
    OpenOptions([&] {
        opened = true;
        EXPECT_TRUE(Box("C4").Checked()) << "boxes after the bad key keep their states";
    });
    EXPECT_TRUE(opened);
    EXPECT_THAT(toolkit_.dialogs.ErrorTexts(),
                ::testing::ElementsAre("'yes' is not a valid boolean value"));
}

TEST_F(OptionsDialogTest, OkSavesEveryOptionTheAutorunValueAndThePluginFolder) {
    profile_.WriteIniValue("TRAY", "DRIVE", "E:", kOptions);
    OpenOptions([&] {
        Box("C1").SetChecked(true);
        Box("C3").SetChecked(true);
        Box("C6").SetChecked(false);
        Dialog().Get<FakeEdit>("FolderEdit").SetText("D:\\Mods");
        Dialog().Get<FakePushButton>("Button1").Click();
    });
    EXPECT_EQ(profile_.ReadIniValue("PROGRAM", "AUTORUN", kOptions), "-1");
    EXPECT_EQ(profile_.ReadIniValue("MESSAGE", "EXIT_PROGRAM", kOptions), "-1");
    EXPECT_EQ(profile_.ReadIniValue("MODULES", "FOLDER_PLUGIN", kOptions), "D:\\Mods");
    EXPECT_EQ(profile_.ReadIniValue("MODULES", "AUTO_PLUGIN_FOLDER", kOptions), "0");
    EXPECT_EQ(profile_.ReadIniValue("TRAY", "DRIVE", kOptions), "E:") << "no drive to choose";
    EXPECT_EQ(fake_.autorun.Value(Root::kLocalMachine, "Quorvel"),
              "\"C:\\Quorvel\\quorvel.exe\" AUTO");
    // The next press looks for its plug-in in the folder just saved.
    StoreCombination(1, "Ctrl+Alt+Q");
    Dispatcher().OnFonMode();
    Press(1);
    EXPECT_THAT(loader_.calls, ::testing::Contains("no module D:\\Mods\\rec.dll"));
    Dispatcher().OffFonMode();

    OpenOptions([&] {
        Box("C1").SetChecked(false);
        Dialog().Get<FakePushButton>("Button1").Click();
    });
    EXPECT_EQ(fake_.autorun.Value(Root::kLocalMachine, "Quorvel"), std::nullopt);
}

TEST_F(OptionsDialogTest, OkWritesTheFileOnceWithTheBytesOfTheValueByValueWrites) {
    // Edited by hand: names in another case, a note, keys missing, no final line break.
    const std::string before =
        "[program]\r\nautorun = 0\r\nFILE_SKIN=Blue.jpg\r\nINFORMATION_SHOW=0\r\n; mine\r\n\r\n"
        "[MESSAGE]\nEXIT_PROGRAM=-1\n[TRAY]\r\nDRIVE=D:\r\nFASTOPEN=1";
    files_.AddFile(kOptions, before);
    FakeFileSystem oneByOne;
    oneByOne.AddFile(kOptions, before);
    Profile expected(oneByOne);
    const std::pair<const char*, const char*> writes[] = {
        {"PROGRAM", "AUTORUN"},        {"PROGRAM", "ENABLE_ALL_HOT_KEY"},
        {"MESSAGE", "EXIT_PROGRAM"},   {"MESSAGE", "DISABLE_FONE_MODES"},
        {"MESSAGE", "DELETE_HOT_KEY"}, {"TRAY", "FASTOPEN"},
        {"TRAY", "DISKINDRIVE"},       {"TRAY", "ANIMATION"},
        {"MODULES", "FOLDER_PLUGIN"},  {"MODULES", "AUTO_PLUGIN_FOLDER"}};
    OpenOptions([&] {
        for (const char* name : {"C1", "C2", "C3", "C4", "C5", "C6", "C7", "C8", "C9"})
            Box(name).SetChecked(name[1] % 2);
        Dialog().Get<FakeEdit>("FolderEdit").SetText("D:\\Mods\\");
        files_.ClearCalls();
        Dialog().Get<FakePushButton>("Button1").Click();
    });
    const char* values[] = {"-1", "0", "-1", "0", "-1", "-1", "0", "-1", "D:\\Mods\\", "0"};
    for (std::size_t i = 0; i < std::size(writes); ++i)
        expected.WriteIniValue(writes[i].first, writes[i].second, values[i], kOptions);
    EXPECT_EQ(OptionsBytes(), *oneByOne.File(kOptions));
    EXPECT_EQ(files_.CountCalls(FakeFileSystem::Op::kReplace), 1);
}

TEST_F(OptionsDialogTest, ASaveThatCannotWriteChangesNothingAndTheNextOneWorks) {
    const std::string before = OptionsBytes();
    const std::string error = std::string("Unable to write to ") + kOptions;
    OpenOptions([&] {
        Box("C1").SetChecked(true);
        files_.FailWrites(kOptions);  // read-only, or the disc is full
        Dialog().Get<FakePushButton>("Button1").Click();
        files_.FailWrites(kOptions, false);
        files_.RemoveFile(kOptions);  // deleted while the dialog is open
        Dialog().Get<FakePushButton>("Button1").Click();
        EXPECT_THAT(toolkit_.dialogs.ErrorTexts(), ::testing::ElementsAre(error, error));
        EXPECT_FALSE(files_.File(kOptions)) << "never made anew with a part of the options";
        EXPECT_EQ(fake_.autorun.Value(Root::kLocalMachine, "Quorvel"), std::nullopt);
        // Put back, the same dialog saves.
        files_.AddFile(kOptions, before);
        Dialog().Get<FakePushButton>("Button1").Click();
    });
    EXPECT_EQ(profile_.ReadIniValue("PROGRAM", "AUTORUN", kOptions), "-1");
    EXPECT_TRUE(fake_.autorun.Value(Root::kLocalMachine, "Quorvel"));
}

TEST_F(OptionsDialogTest, CancelLeavesTheOptionsFileByteForByte) {
    const std::string before = OptionsBytes();
    OpenOptions([&] {
        Box("C2").SetChecked(false);
        Box("C7").SetChecked(true);
        Dialog().Get<FakePushButton>("Button2").Click();
    });
    EXPECT_EQ(OptionsBytes(), before);
}

TEST_F(OptionsDialogTest, PagesStepWithBackAndNextAndEveryOpeningStartsOnPageOne) {
    auto& tray = toolkit_.GetMenu("Menu1");
    OpenOptions([&] {
        EXPECT_FALSE(tray.Enabled("N1")) << "the tray cannot open a second dialog";
        EXPECT_FALSE(tray.Enabled("N2"));
        EXPECT_FALSE(Glyph("S1").Enabled());
        EXPECT_TRUE(Box("C1").Visible());
        for (int step = 0; step < 4; ++step) Glyph("S2").Click();
        EXPECT_EQ(program_->Form3().CurrentPage(), 5);
        EXPECT_FALSE(Glyph("S2").Enabled());
        EXPECT_TRUE(Glyph("S1").Enabled());
        EXPECT_TRUE(Dialog().Get<FakeEdit>("FolderEdit").Visible());
        EXPECT_FALSE(Box("C1").Visible());
        Glyph("S1").Click();
        EXPECT_TRUE(Glyph("S2").Enabled());
        EXPECT_TRUE(Skins().Visible());
        Click("Button2");
    });
    EXPECT_TRUE(tray.Enabled("N1"));
    EXPECT_TRUE(tray.Enabled("N2"));
    OpenOptions([&] {
        EXPECT_EQ(program_->Form3().CurrentPage(), 1);
        Click("Button2");
    });
}

TEST_F(OptionsDialogTest, LanguageAndSkinAreAppliedAtOnceAndSurviveCancel) {
    files_.AddFile("C:\\Quorvel\\LANGUAGE\\Russian.TXT",
                   "[FILE]\r\nLANGUAGE=Русский\r\n[FORM1]\r\nButton1=Создать\r\n");
    files_.AddFile("C:\\Quorvel\\Sand.dark.jpg",
                   EncodeTestJpeg(230, 200, Rgb(200, 180, 120), Rgb(90, 80, 60)));
    files_.AddFile("C:\\Quorvel\\Sand.jpg",
                   EncodeTestJpeg(230, 200, Rgb(200, 180, 120), Rgb(90, 80, 60)));
    OpenOptions([&] {
        EXPECT_THAT(Skins().Items(), ::testing::ElementsAre("Blue", "Sand", "Sand"));
        EXPECT_EQ(Skins().ItemIndex(), 0) << "the skin in use is chosen";
        for (int step = 0; step < 2; ++step) Glyph("S2").Click();
        auto& languages = Dialog().Get<FakeDropDownList>("Box");
        languages.SetItemIndex(1);
        ASSERT_EQ(languages.Item(1), "Русский");
        Click("Button3");
        EXPECT_EQ(program_->Form3().CurrentPage(), 3);
        EXPECT_EQ(Dialog().Get<FakePushButton>("Button3").Text(), "n/a") << "page 3 in Russian";
        Glyph("S2").Click();
        Skins().SetItemIndex(1);
        Skins().DoubleClick();
        EXPECT_EQ(program_->Form3().CurrentPage(), 4);
        EXPECT_EQ(Dialog().ClientSize(), (Size{230, 200}));
        Click("Button2");
    });
    EXPECT_EQ(program_->Form1().Button1->Text(), "Создать");
    EXPECT_EQ(profile_.ReadIniValue("PROGRAM", "FILE_LANGUAGE", kOptions), "Russian.TXT");
    EXPECT_EQ(profile_.ReadIniValue("PROGRAM", "FILE_SKIN", kOptions), "Sand.jpg");
    EXPECT_EQ(MainWindow().ClientSize(), (Size{230, 200}));
}

TEST_F(OptionsDialogTest, LoadSkinWithoutAChoiceDoesNothing) {
    const std::string before = OptionsBytes();
    OpenOptions([&] {
        for (int step = 0; step < 3; ++step) Glyph("S2").Click();
        Skins().SetItemIndex(-1);
        Click("Button4");
        Click("Button2");
    });
    EXPECT_EQ(OptionsBytes(), before);
    EXPECT_THAT(toolkit_.dialogs.ErrorTexts(), ::testing::IsEmpty());
}

TEST_F(OptionsDialogTest, AStoredDriveNoLongerACdDriveGivesWayToTheFirstAndOkStartsTheWatch) {
    fake_.drives.AddDrive('D', false);
    fake_.drives.AddDrive('F', true);
    fake_.drives.AddDrive('G', true);
    profile_.WriteIniValue("TRAY", "DRIVE", "D:", kOptions);
    OpenOptions([&] {
        EXPECT_THAT(Drives().Items(), ::testing::ElementsAre("F:", "G:"));
        Glyph("S2").Click();
        Box("C8").SetChecked(true);
        Click("Button1");
    });
    EXPECT_EQ(profile_.ReadIniValue("TRAY", "DRIVE", kOptions), "F:");
    EXPECT_TRUE(program_->Form1().Test->Enabled());

    auto& tray = dynamic_cast<FakeTrayIcon&>(*program_->Form1().Tray);
    tray.SetAnimated(true);
    OpenOptions([&] {
        Glyph("S2").Click();
        Box("C8").SetChecked(false);
        Click("Button1");
    });
    EXPECT_FALSE(program_->Form1().Test->Enabled());
    EXPECT_FALSE(tray.Animated());
    EXPECT_EQ(tray.ImageIndex(), 0);
}

TEST_F(OptionsDialogTest, ThePluginFolderIsHeldForTheRun) {
    StoreCombination(1, "Ctrl+Alt+Q");
    Dispatcher().OnFonMode();
    // A bad hand edit after start-up costs no press.
    profile_.WriteIniValue("MODULES", "AUTO_PLUGIN_FOLDER", "maybe", kOptions);
    Press(1);
    EXPECT_THAT(Executes(), ::testing::ElementsAre(ExecuteOf(1, "Ctrl+Alt+Q")));
    EXPECT_THAT(toolkit_.dialogs.ErrorTexts(), ::testing::IsEmpty());
}

}  // namespace
}  // namespace quorvel
