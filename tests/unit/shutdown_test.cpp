#include "app/shutdown.h"

#include <gtest/gtest.h>

#include "base/error.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_message_dialogs.h"

namespace quorvel {
namespace {

struct ShutdownTest : testing::Test {
    FakeFileSystem files;
    Profile profile{files};
    Options options{profile, "C:\\Q\\"};
    FakeMessageDialogs dialogs;

    void SetExitQuestion(const char* value) {
        files.AddFile("C:\\Q\\Option.ini", std::string("[MESSAGE]\r\nEXIT_PROGRAM=") + value);
    }
};

TEST_F(ShutdownTest, WithoutTheQuestionTheWindowClosesSilently) {
    SetExitQuestion("0");
    EXPECT_TRUE(ConfirmExit(options, dialogs, "Exit from the program ?"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ShutdownTest, TheWarningAsksWithABeepAndOnlyYesCloses) {
    SetExitQuestion("-1");
    dialogs.Answer(ModalResult::kCancel);
    EXPECT_FALSE(ConfirmExit(options, dialogs, "Exit from the program ?"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const MessageRequest& asked = dialogs.shown[0];
    EXPECT_EQ(asked.type, DialogType::kWarning);
    EXPECT_EQ(asked.text, "Exit from the program ?");
    EXPECT_EQ(asked.buttons, DialogButtons::kYesCancel);
    EXPECT_TRUE(asked.beep);

    dialogs.Answer(ModalResult::kYes);
    EXPECT_TRUE(ConfirmExit(options, dialogs, "Exit from the program ?"));
}

TEST_F(ShutdownTest, AStoredValueThatIsNoBooleanIsReportedAndKeepsTheWindow) {
    SetExitQuestion("sometimes");
    EXPECT_THROW(
        {
            try {
                ConfirmExit(options, dialogs, "?");
            } catch (const Error& error) {
                EXPECT_STREQ(error.what(), "'sometimes' is not a valid boolean value");
                throw;
            }
        },
        Error);
    EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace quorvel
