// Opening the dialogs over the main window, ending them, the main window's actions and
// their shortcuts, and the error report at the toolkit's boundary, through the fakes.
#include <gtest/gtest.h>

#include "app/program.h"
#include "base/error.h"
#include "fakes/fake_services.h"
#include "fakes/fake_toolkit.h"

namespace quorvel {
namespace {

constexpr Shortcut kInsert = 45;
constexpr Shortcut kDelete = 46;

class ModalWindowsTest : public ::testing::Test {
  protected:
    FakeForm& Main() { return toolkit.FormNamed("TForm1"); }
    // The dialogs are made as they are first needed.
    FakeForm& Editor() { return FakeOf(program.Form2()); }
    FakeForm& Options() { return FakeOf(program.Form3()); }
    FakeForm& About() { return FakeOf(program.Form4()); }
    static FakeForm& FakeOf(LayoutForm& form) { return dynamic_cast<FakeForm&>(form.Window()); }
    FakePushButton& MainButton(const char* name) { return Main().Get<FakePushButton>(name); }

    FakeToolkit toolkit;
    FakeServices fake_;
    Program program{toolkit, fake_.services};
};

TEST_F(ModalWindowsTest, RunShowsTheMainWindowAndRunsTheLoopOnIt) {
    EXPECT_EQ(program.Run(), 0);
    EXPECT_EQ(toolkit.mainForm, &Main());
    EXPECT_TRUE(Main().Visible());
    EXPECT_FALSE(Editor().Visible());
}

TEST_F(ModalWindowsTest, EachDialogOpensModallyExactlyOverTheMainWindow) {
    Main().SetPosition({40, 50});
    Main().SetClientSize({230, 210});  // as a skin of another size would make it

    struct Case {
        const char* button;
        FakeForm* dialog;
    } cases[] = {{"Button1", &Editor()}, {"Button4", &Options()}, {"Button5", &About()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        bool modalWhileOpen = false;
        c.dialog->WhileNextModal(
            [&] { modalWhileOpen = c.dialog->Modal() && c.dialog->Visible(); });
        EXPECT_TRUE(MainButton(c.button).Click());
        ASSERT_EQ(c.dialog->modalRuns.size(), 1u);
        EXPECT_EQ(c.dialog->modalRuns[0].position, (Point{40, 50}));
        EXPECT_EQ(c.dialog->modalRuns[0].clientSize, (Size{230, 210}));
        EXPECT_TRUE(modalWhileOpen);
        EXPECT_FALSE(c.dialog->Visible()) << "hidden again once it ended";
    }
}

TEST_F(ModalWindowsTest, ADialogFollowsTheMainWindowEachTimeItOpens) {
    Main().SetPosition({10, 10});
    MainButton("Button5").Click();
    Main().SetPosition({300, 200});  // dragged in between
    MainButton("Button5").Click();
    ASSERT_EQ(About().modalRuns.size(), 2u);
    EXPECT_EQ(About().modalRuns[0].position, (Point{10, 10}));
    EXPECT_EQ(About().modalRuns[1].position, (Point{300, 200}));
}

TEST_F(ModalWindowsTest, DialogsReturnTheResultOfTheButtonThatEndedThem) {
    struct Case {
        LayoutForm* form;
        const char* control;
        ModalResult result;
    } cases[] = {
        {&program.Form2(), "Button2", ModalResult::kCancel},
        {&program.Form2(), "Speed", ModalResult::kCancel},
        {&program.Form3(), "Button1", ModalResult::kOk},
        {&program.Form3(), "Button2", ModalResult::kCancel},
        {&program.Form4(), "XPBitBtn1", ModalResult::kOk},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        FakeForm& dialog = toolkit.FormNamed(c.form->Layout().name);
        bool clicked = false;
        dialog.WhileNextModal([&] {
            FakeControlBase* control = dialog.Find(c.control);
            if (auto* button = dynamic_cast<FakePushButton*>(control)) clicked = button->Click();
            if (auto* glyph = dynamic_cast<FakeGlyphButton*>(control)) clicked = glyph->Click();
        });
        EXPECT_EQ(c.form->ShowModalOver(program.Form1()), c.result);
        EXPECT_TRUE(clicked);
    }
}

TEST_F(ModalWindowsTest, TheCloseBoxEndsADialogWithCancelAndACloseHandlerCanRefuse) {
    Options().WhileNextModal([&] { Options().PressCloseBox(); });
    EXPECT_EQ(program.Form3().ShowModalOver(program.Form1()), ModalResult::kCancel);

    int asked = 0;
    program.Form4().Window().SetOnClose([&] { return ++asked > 1; });
    About().WhileNextModal([&] {
        About().PressCloseBox();  // refused: still open
        EXPECT_TRUE(About().Modal());
        About().Get<FakePushButton>("XPBitBtn1").Click();
    });
    EXPECT_EQ(program.Form4().ShowModalOver(program.Form1()), ModalResult::kOk);
    EXPECT_EQ(asked, 1);
}

TEST_F(ModalWindowsTest, TheExitGlyphAndTheTrayMenuExitCloseTheMainWindow) {
    program.Run();
    EXPECT_TRUE(Main().Get<FakeGlyphButton>("Speedbut123").Click());
    EXPECT_TRUE(Main().closed);

    FakeToolkit otherToolkit;
    FakeServices services;
    Program other(otherToolkit, services.services);
    other.Run();
    EXPECT_TRUE(otherToolkit.GetMenu("Menu1").Choose("N4"));
    EXPECT_TRUE(otherToolkit.FormNamed("TForm1").closed);
}

TEST_F(ModalWindowsTest, TrayMenuItemsOpenTheOptionsAndTheAboutBox) {
    FakePopupMenu& menu = toolkit.GetMenu("Menu1");
    EXPECT_TRUE(menu.Choose("N2"));
    EXPECT_EQ(Options().modalRuns.size(), 1u);
    EXPECT_TRUE(menu.Choose("N9"));
    EXPECT_EQ(About().modalRuns.size(), 1u);
}

TEST_F(ModalWindowsTest, InsertOpensTheEditorWhileOtherKeysAreLeftToTheControls) {
    EXPECT_TRUE(Main().PressShortcut(kInsert));
    EXPECT_EQ(Editor().modalRuns.size(), 1u);
    EXPECT_FALSE(Main().PressShortcut('A'));
    EXPECT_FALSE(Main().PressShortcut(kShortcutShift | kInsert));
    EXPECT_EQ(Editor().modalRuns.size(), 1u);
}

TEST_F(ModalWindowsTest, UpdateAndDeleteActOnlyWhileAnEntryIsSelected) {
    TForm1& form = program.Form1();
    int deletes = 0;
    form.Actions().SetHandler("DeleteDialog", [&] { ++deletes; });

    toolkit.Idle();
    EXPECT_FALSE(form.Button2->Enabled());
    EXPECT_FALSE(form.Button3->Enabled());
    EXPECT_FALSE(Main().PressShortcut(kShortcutCtrl | kInsert)) << "the key is left to the list";
    EXPECT_FALSE(Main().PressShortcut(kDelete));
    EXPECT_EQ(Editor().modalRuns.size(), 0u);
    EXPECT_EQ(deletes, 0);

    fake_.files.AddFolder("C:\\Quorvel\\DATA");
    fake_.files.AddFile("C:\\Quorvel\\DATA\\BASE.INI",
                        "[Base]\r\nIndex=1\r\n[HOT1]\r\nHotKey=Ctrl+Alt+Q\r\nPlugin=No\r\n"
                        "Checked=-1\r\nCommand=\r\nWarning=0\r\nComment=\r\n");
    form.List->Add("Ctrl+Alt+Q");
    Main().Get<FakeListBox>("List").Pick(0);
    toolkit.Idle();
    EXPECT_TRUE(form.Button2->Enabled());
    EXPECT_TRUE(form.Button3->Enabled());
    EXPECT_TRUE(Main().PressShortcut(kShortcutCtrl | kInsert));
    EXPECT_EQ(Editor().modalRuns.size(), 1u);
    EXPECT_TRUE(Main().PressShortcut(kDelete));
    EXPECT_EQ(deletes, 1);
    EXPECT_TRUE(Main().Get<FakeListBox>("List").DoubleClick());
    EXPECT_EQ(Editor().modalRuns.size(), 2u);

    // A selection cleared by the program counts at once, before the next idle update.
    form.List->SetItemIndex(-1);
    EXPECT_FALSE(Main().PressShortcut(kDelete));
    EXPECT_EQ(deletes, 1);
}

TEST_F(ModalWindowsTest, AnErrorInAHandlerIsReportedAndTheProgramGoesOn) {
    program.Form1().Actions().SetHandler("AboutDialog",
                                         [] { throw Error("'x' is not a valid boolean value"); });
    EXPECT_TRUE(MainButton("Button5").Click());
    ASSERT_EQ(toolkit.dialogs.shown.size(), 1u);
    const MessageRequest& report = toolkit.dialogs.shown[0];
    EXPECT_EQ(report.type, DialogType::kError);
    EXPECT_EQ(report.buttons, DialogButtons::kOk);
    EXPECT_EQ(report.text, "'x' is not a valid boolean value");
    EXPECT_EQ(CaptionOf(report), "Error");

    EXPECT_TRUE(MainButton("Button4").Click());  // the program goes on
    EXPECT_EQ(Options().modalRuns.size(), 1u);

    FakeTimer& timer = *toolkit.Timers().front();
    timer.SetOnTick([] { throw std::runtime_error("tick failed"); });
    timer.SetEnabled(true);
    EXPECT_TRUE(timer.Tick());
    EXPECT_EQ(toolkit.dialogs.ErrorTexts(),
              (std::vector<std::string>{"'x' is not a valid boolean value", "tick failed"}));
}

TEST_F(ModalWindowsTest, AnErrorInsideADialogLeavesTheDialogOpen) {
    program.Form3().Button1->SetOnClick([] { throw Error("Unable to write to C:\\Option.ini"); });
    Options().WhileNextModal([&] {
        Options().Get<FakePushButton>("Button1").Click();
        EXPECT_TRUE(Options().Modal());
        Options().Get<FakePushButton>("Button2").Click();
    });
    EXPECT_EQ(program.Form3().ShowModalOver(program.Form1()), ModalResult::kCancel);
    EXPECT_EQ(toolkit.dialogs.ErrorTexts(),
              (std::vector<std::string>{"Unable to write to C:\\Option.ini"}));
}

TEST_F(ModalWindowsTest, PopupMenuAtShowsTheRequestedMenuAtItsPoint) {
    program.Form1().PopupMenuAt(1, {300, 200});
    program.Form1().PopupMenuAt(2, {30, 20});
    EXPECT_EQ(toolkit.GetMenu("Menu1").popups, (std::vector<Point>{{300, 200}}));
    EXPECT_EQ(toolkit.GetMenu("Menu2").popups, (std::vector<Point>{{30, 20}}));
}

}  // namespace
}  // namespace quorvel
