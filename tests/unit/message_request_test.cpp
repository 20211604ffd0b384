#include <gtest/gtest.h>

#include "platform/message_dialogs.h"

namespace quorvel {
namespace {

TEST(MessageRequest, CaptionComesFromTheTypeUnlessOneIsGiven) {
    EXPECT_EQ(CaptionOf({.type = DialogType::kWarning}), "Warning");
    EXPECT_EQ(CaptionOf({.type = DialogType::kInformation}), "Information");
    EXPECT_EQ(CaptionOf({.type = DialogType::kError}), "Error");
    EXPECT_EQ(CaptionOf({.type = DialogType::kConfirm}), "Confirm");
    EXPECT_EQ(CaptionOf({.type = DialogType::kPlain}), "Quorvel");
    EXPECT_EQ(CaptionOf({.type = DialogType::kWarning, .caption = "Quorvel"}), "Quorvel");
}

TEST(MessageRequest, DefaultButtonIsTheRequestedOneWhenTheSetHasIt) {
    EXPECT_EQ(DefaultButtonOf({.buttons = DialogButtons::kYesNoCancel}), ModalResult::kYes);
    EXPECT_EQ(DefaultButtonOf(
                  {.buttons = DialogButtons::kYesNoCancel, .defaultButton = ModalResult::kCancel}),
              ModalResult::kCancel);
    EXPECT_EQ(
        DefaultButtonOf({.buttons = DialogButtons::kYesAbort, .defaultButton = ModalResult::kNo}),
        ModalResult::kYes);
}

TEST(MessageRequest, EscapeAnswersCancelOrNoForYesNo) {
    EXPECT_EQ(EscapeResultOf(DialogButtons::kOk), ModalResult::kCancel);
    EXPECT_EQ(EscapeResultOf(DialogButtons::kYesNo), ModalResult::kNo);
    EXPECT_EQ(EscapeResultOf(DialogButtons::kYesCancel), ModalResult::kCancel);
    EXPECT_EQ(EscapeResultOf(DialogButtons::kYesNoCancel), ModalResult::kCancel);
    EXPECT_EQ(EscapeResultOf(DialogButtons::kYesAbort), ModalResult::kCancel);
}

}  // namespace
}  // namespace quorvel
