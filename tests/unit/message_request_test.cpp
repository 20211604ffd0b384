#include <gtest/gtest.h>

#include "platform/message_dialogs.h"

namespace quorvel {
namespace {

TEST(MessageRequest, CaptionComesFromTheTypeUnlessOneIsGiven) {
    EXPECT_EQ(CaptionOf({.type = DialogType::Warning}), "Warning");
    EXPECT_EQ(CaptionOf({.type = DialogType::Information}), "Information");
    EXPECT_EQ(CaptionOf({.type = DialogType::Error}), "Error");
    EXPECT_EQ(CaptionOf({.type = DialogType::Confirm}), "Confirm");
    EXPECT_EQ(CaptionOf({.type = DialogType::Plain}), "Quorvel");
    EXPECT_EQ(CaptionOf({.type = DialogType::Warning, .caption = "Quorvel"}), "Quorvel");
}

TEST(MessageRequest, DefaultButtonIsTheRequestedOneWhenTheSetHasIt) {
    EXPECT_EQ(DefaultButtonOf({.buttons = DialogButtons::YesNoCancel}), ModalResult::Yes);
    EXPECT_EQ(DefaultButtonOf(
                  {.buttons = DialogButtons::YesNoCancel, .defaultButton = ModalResult::Cancel}),
              ModalResult::Cancel);
    EXPECT_EQ(
        DefaultButtonOf({.buttons = DialogButtons::YesAbort, .defaultButton = ModalResult::No}),
        ModalResult::Yes);
}

TEST(MessageRequest, EscapeAnswersCancelOrNoForYesNo) {
    EXPECT_EQ(EscapeResultOf(DialogButtons::Ok), ModalResult::Cancel);
    EXPECT_EQ(EscapeResultOf(DialogButtons::YesNo), ModalResult::No);
    EXPECT_EQ(EscapeResultOf(DialogButtons::YesCancel), ModalResult::Cancel);
    EXPECT_EQ(EscapeResultOf(DialogButtons::YesNoCancel), ModalResult::Cancel);
    EXPECT_EQ(EscapeResultOf(DialogButtons::YesAbort), ModalResult::Cancel);
}

}  // namespace
}  // namespace quorvel
