// The program's message dialogs under the real window manager: every button set answered
// by each of its buttons, by Esc and by the close box.
#include <gtest/gtest.h>

#include <vector>

#include "gui_test_support.h"
#include "win32/text_conversion.h"

namespace quorvel::win32 {
namespace {

int IdOf(ModalResult result) {
    switch (result) {
        case ModalResult::kYes:
            return IDYES;
        case ModalResult::kNo:
            return IDNO;
        case ModalResult::kCancel:
            return IDCANCEL;
        case ModalResult::kAbort:
            return IDABORT;
        default:
            return IDOK;
    }
}

class MessageDialogsTest : public ::testing::Test {
  protected:
    // Shows the dialog and has the user thread act on it once it is visible.
    ModalResult ShowAnd(const MessageRequest& request, std::function<void(HWND)> act) {
        found = nullptr;
        UserThread user([&] {
            HWND box = WaitForWindow(Win32MessageDialogs::kClassName, Widen(CaptionOf(request)));
            if (!box) return;
            found = box;
            act(box);
        });
        return toolkit.Dialogs().Show(request);
    }

    Win32Toolkit toolkit{GetModuleHandleW(nullptr)};
    HWND found = nullptr;
};

const DialogButtons kAllSets[] = {DialogButtons::kOk, DialogButtons::kYesNo,
                                  DialogButtons::kYesCancel, DialogButtons::kYesNoCancel,
                                  DialogButtons::kYesAbort};

TEST_F(MessageDialogsTest, EachButtonOfEachSetAnswersItself) {
    for (DialogButtons set : kAllSets) {
        for (ModalResult button : ButtonsOf(set)) {
            SCOPED_TRACE(::testing::Message() << "set " << int(set) << " button " << int(button));
            MessageRequest request{.type = DialogType::kWarning,
                                   .text = "Press a button",
                                   .buttons = set,
                                   .caption = "Buttons"};
            std::vector<int> shownIds;
            const ModalResult result = ShowAnd(request, [&](HWND box) {
                for (ModalResult each : ButtonsOf(set))
                    if (GetDlgItem(box, IdOf(each))) shownIds.push_back(IdOf(each));
                PressButton(box, IdOf(button));
            });
            ASSERT_NE(found, nullptr) << "the dialog never showed";
            EXPECT_EQ(result, button);
            EXPECT_EQ(shownIds.size(), ButtonsOf(set).size()) << "a button of the set is missing";
        }
    }
}

TEST_F(MessageDialogsTest, EscAndTheCloseBoxAnswerCancelOrNoForYesNo) {
    for (DialogButtons set : kAllSets) {
        SCOPED_TRACE(::testing::Message() << "set " << int(set));
        const ModalResult expected =
            set == DialogButtons::kYesNo ? ModalResult::kNo : ModalResult::kCancel;
        MessageRequest request{.type = DialogType::kInformation,
                               .text = "Leave",
                               .buttons = set,
                               .caption = "Leaving"};
        EXPECT_EQ(ShowAnd(request, [](HWND box) { PressKey(box, VK_ESCAPE); }), expected) << "Esc";
        EXPECT_EQ(ShowAnd(request, [](HWND box) { PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); }),
                  expected)
            << "close box";
        EXPECT_EQ(ShowAnd(request, [](HWND box) { PostMessageW(box, WM_CLOSE, 0, 0); }), expected)
            << "WM_CLOSE";
    }
}

TEST_F(MessageDialogsTest, EnterPressesTheDefaultButton) {
    MessageRequest request{.type = DialogType::kConfirm,
                           .text = "Default?",
                           .buttons = DialogButtons::kYesNoCancel,
                           .defaultButton = ModalResult::kNo};
    EXPECT_EQ(ShowAnd(request, [](HWND box) { PressKey(box, VK_RETURN); }), ModalResult::kNo);
    request.defaultButton.reset();
    EXPECT_EQ(ShowAnd(request, [](HWND box) { PressKey(box, VK_RETURN); }), ModalResult::kYes);
}

TEST_F(MessageDialogsTest, CaptionIsTheTypesAndTheTextShowsItsLineBreaks) {
    struct Case {
        DialogType type;
        const wchar_t* caption;
    } cases[] = {{DialogType::kWarning, L"Warning"},
                 {DialogType::kInformation, L"Information"},
                 {DialogType::kError, L"Error"},
                 {DialogType::kConfirm, L"Confirm"}};
    for (const Case& c : cases) {
        std::wstring texts;
        UserThread user([&] {
            HWND box = WaitForWindow(Win32MessageDialogs::kClassName, c.caption);
            if (!box) return;
            texts = StaticTexts(box);
            PressButton(box, IDOK);
        });
        toolkit.Dialogs().Show({.type = c.type, .text = "WARNING !!!\r\rЯзык не найден."});
        EXPECT_NE(texts.find(L"WARNING !!!\r\n\r\nЯзык не найден."), std::wstring::npos)
            << c.caption;
    }
}

TEST_F(MessageDialogsTest, ADialogIsModalOverTheActiveWindowOfTheProgram) {
    static constexpr ControlLayout kControls[] = {{.name = "Button1",
                                                   .kind = ControlKind::kPushButton,
                                                   .bounds = {8, 8, 80, 24},
                                                   .text = "Go"}};
    static constexpr FormLayout kLayout{.name = "Owner",
                                        .caption = "Owner window",
                                        .clientSize = {200, 120},
                                        .centred = true,
                                        .controls = kControls};
    auto form = toolkit.CreateForm(kLayout);
    form->Show();
    HWND owner = reinterpret_cast<HWND>(form->Handle());
    SetForegroundWindow(owner);
    PumpUntil(toolkit, [&] { return GetActiveWindow() == owner; });

    HWND boxOwner = nullptr;
    bool ownerDisabled = false;
    const ModalResult result =
        ShowAnd({.text = "Over the owner", .caption = "Modal"}, [&](HWND box) {
            boxOwner = GetWindow(box, GW_OWNER);
            ownerDisabled = !IsWindowEnabled(owner);
            PressButton(box, IDOK);
        });
    EXPECT_EQ(result, ModalResult::kOk);
    EXPECT_EQ(boxOwner, owner);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner)) << "enabled again once the dialog is answered";
}

TEST_F(MessageDialogsTest, CloseOpenEndsTheDialogOfThatCaptionWithItsEscapeAnswer) {
    // A press arriving during the confirmation request closes it (YesAbort: Cancel).
    bool closed = false;
    auto timer = toolkit.CreateTimer(30);
    timer->SetOnTick([&] {
        if (FindWindowW(Win32MessageDialogs::kClassName, L"Warning"))
            closed = toolkit.Dialogs().CloseOpen("Warning");
    });
    timer->SetEnabled(true);
    const ModalResult result = toolkit.Dialogs().Show(
        {.type = DialogType::kWarning, .text = "Press again", .buttons = DialogButtons::kYesAbort});
    EXPECT_TRUE(closed);
    EXPECT_EQ(result, ModalResult::kCancel);
    EXPECT_FALSE(toolkit.Dialogs().CloseOpen("Warning")) << "none open any more";
}

}  // namespace
}  // namespace quorvel::win32
