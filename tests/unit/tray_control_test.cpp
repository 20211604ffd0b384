#include "app/tray_control.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "fakes/fake_message_dialogs.h"

namespace quorvel {
namespace {

struct TrayControlTest : testing::Test {
    FakeFileSystem files;
    Profile profile{files};
    Options options{profile, "C:\\Q\\"};
    FakeMessageDialogs dialogs;
    int left = 0;
    int foreground = 0;
    TrayControl tray{options, dialogs, {[this] { ++left; }, [this] { ++foreground; }}};

    void SetOptions(const char* fastOpen, const char* askBeforeLeaving) {
        files.AddFile("C:\\Q\\Option.ini",
                      std::string("[TRAY]\r\nFASTOPEN=") + fastOpen +
                          "\r\n[MESSAGE]\r\nDISABLE_FONE_MODES=" + askBeforeLeaving + "\r\n");
    }
};

TEST_F(TrayControlTest, FastOpenIgnoresASingleClickButNotTheMenuItem) {
    SetOptions("-1", "0");
    tray.Click("?");
    EXPECT_EQ(left, 0);
    tray.ShowMainWindow("?");
    EXPECT_EQ(left, 1);
}

TEST_F(TrayControlTest, AClickLeavesAtOnceWhenNoQuestionIsAsked) {
    SetOptions("0", "0");
    tray.Click("?");
    EXPECT_EQ(left, 1);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(TrayControlTest, CancelKeepsBackgroundModeAndYesLeavesIt) {
    SetOptions("0", "-1");
    dialogs.Answer(ModalResult::kCancel);
    tray.Click("At setting combinations will be switched - off.");
    EXPECT_EQ(left, 0);
    EXPECT_EQ(foreground, 1) << "the question is brought to the foreground first";
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].type, DialogType::kInformation);
    EXPECT_EQ(dialogs.shown[0].buttons, DialogButtons::kYesCancel);
    EXPECT_TRUE(dialogs.shown[0].beep);

    dialogs.Answer(ModalResult::kYes);
    tray.ShowMainWindow("?");
    EXPECT_EQ(left, 1);
    EXPECT_EQ(foreground, 1) << "the menu item does not force the foreground";
}

TEST_F(TrayControlTest, OnlyOneQuestionIsEverOpen) {
    SetOptions("0", "-1");
    dialogs.AnswerWith([this](const MessageRequest&) {
        EXPECT_TRUE(tray.ConfirmationOpen());
        tray.ShowMainWindow("?");  // a double click's N1 arriving during the question
        tray.Click("?");
        return ModalResult::kYes;
    });
    tray.Click("?");
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(left, 1);
    EXPECT_FALSE(tray.ConfirmationOpen());
}

}  // namespace
}  // namespace quorvel
