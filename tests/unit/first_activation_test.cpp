#include "app/first_activation.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "fakes/fake_message_dialogs.h"

namespace quorvel {
namespace {

struct FirstActivationTest : testing::Test {
    FakeFileSystem files;
    Profile profile{files};
    Options options{profile, "C:\\Q\\"};
    FakeMessageDialogs dialogs;
    int backgroundMode = 0;

    FirstActivation Make(const std::string& argument, const char* informationShow) {
        files.AddFile("C:\\Q\\Option.ini",
                      std::string("[PROGRAM]\r\nINFORMATION_SHOW=") + informationShow + "\r\n");
        return FirstActivation(options, dialogs, argument, {[] {}, [this] { ++backgroundMode; }});
    }
};

TEST_F(FirstActivationTest, AnsweringNoStopsTheInformationForGoodYesKeepsIt) {
    auto first = Make("", "-1");
    dialogs.Answer(ModalResult::kYes);
    first.Activated("Welcome");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "Quorvel");
    EXPECT_EQ(dialogs.shown[0].text, "Welcome");
    EXPECT_EQ(dialogs.shown[0].buttons, DialogButtons::kYesNo);
    EXPECT_TRUE(options.Read(option::kInformationShow));

    auto next = Make("", "-1");
    dialogs.Answer(ModalResult::kNo);
    next.Activated("Welcome");
    EXPECT_EQ(profile.ReadIniValue("PROGRAM", "INFORMATION_SHOW", "C:\\Q\\Option.ini"), "0");
}

TEST_F(FirstActivationTest, OnlyTheFirstActivationCounts) {
    auto first = Make("auto", "-1");
    first.Activated("Welcome");
    first.Activated("Welcome");
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(backgroundMode, 1);
    EXPECT_FALSE(first.Pending());
}

TEST_F(FirstActivationTest, AutoInAnyCaseEntersBackgroundModeAfterTheInformation) {
    EXPECT_TRUE(IsAutoStartArgument("AUTO"));
    EXPECT_TRUE(IsAutoStartArgument("Auto"));
    EXPECT_FALSE(IsAutoStartArgument("AUTOMATIC"));
    EXPECT_FALSE(IsAutoStartArgument(""));

    auto first = Make("aUtO", "0");
    first.Activated("Welcome");
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(backgroundMode, 1);

    auto shown = Make("/minimized", "0");
    shown.Activated("Welcome");
    EXPECT_EQ(backgroundMode, 1) << "any other argument leaves the window shown";
}

}  // namespace
}  // namespace quorvel
