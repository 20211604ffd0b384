// The standard error report at the toolkit's boundary: an error escaping a click handler
// or a timer tick is shown in an error dialog, and the program goes on.
#include <gtest/gtest.h>

#include <stdexcept>

#include "base/error.h"
#include "gui_test_support.h"
#include "win32/text_conversion.h"

namespace quorvel::win32 {
namespace {

constexpr ControlLayout kControls[] = {
    {.name = "Boom",
     .kind = ControlKind::kPushButton,
     .bounds = {8, 8, 80, 24},
     .text = "Boom",
     .tabOrder = 0},
    {.name = "Fine",
     .kind = ControlKind::kPushButton,
     .bounds = {8, 40, 80, 24},
     .text = "Fine",
     .tabOrder = 1},
};
constexpr FormLayout kLayout{.name = "Errors",
                             .caption = "Errors",
                             .clientSize = {200, 100},
                             .centred = true,
                             .controls = kControls};

class ErrorReportTest : public ::testing::Test {
  protected:
    ErrorReportTest() {
        form = toolkit.CreateForm(kLayout);
        boom = toolkit.CreatePushButton(*form, kControls[0]);
        fine = toolkit.CreatePushButton(*form, kControls[1]);
        form->Show();
    }
    HWND Button(int index) {
        return GetDlgItem(reinterpret_cast<HWND>(form->Handle()), 100 + index);
    }

    Win32Toolkit toolkit{GetModuleHandleW(nullptr)};
    std::unique_ptr<Form> form;
    std::unique_ptr<PushButton> boom;
    std::unique_ptr<PushButton> fine;
};

TEST_F(ErrorReportTest, AnErrorFromAClickIsShownWithItsTextAndTheProgramGoesOn) {
    boom->SetOnClick([] { throw Error("'abc' is not a valid integer value"); });
    int fineClicks = 0;
    fine->SetOnClick([&] { ++fineClicks; });

    std::wstring reported;
    UserThread user([&] {
        PostMessageW(Button(0), BM_CLICK, 0, 0);
        HWND box = WaitForWindow(Win32MessageDialogs::kClassName, L"Error");
        if (!box) return;
        reported = StaticTexts(box);
        const bool onlyOk = GetDlgItem(box, IDOK) && !GetDlgItem(box, IDCANCEL);
        if (!onlyOk) reported += L" (not an OK box)";
        PressButton(box, IDOK);
        WaitUntilGone(box);
        PostMessageW(Button(1), BM_CLICK, 0, 0);
    });
    EXPECT_TRUE(PumpUntil(toolkit, [&] { return fineClicks == 1; }))
        << "the program did not go on after the report";
    EXPECT_EQ(reported, L"'abc' is not a valid integer value");
}

TEST_F(ErrorReportTest, AnErrorFromATimerTickIsShownAndTheTimerKeepsTicking) {
    auto timer = toolkit.CreateTimer(20);
    int ticks = 0;
    timer->SetOnTick([&] {
        if (++ticks == 1) throw std::runtime_error("tick failed");
    });
    timer->SetEnabled(true);

    std::wstring reported;
    UserThread user([&] {
        HWND box = WaitForWindow(Win32MessageDialogs::kClassName, L"Error");
        if (!box) return;
        reported = StaticTexts(box);
        PressButton(box, IDOK);
    });
    EXPECT_TRUE(PumpUntil(toolkit, [&] { return ticks >= 3 && !reported.empty(); }));
    EXPECT_EQ(reported, L"tick failed");
}

TEST_F(ErrorReportTest, AnErrorFromAProgramMessageIsShownAndTheMessageAnswered) {
    form->SetOnMessage(
        [](unsigned message, std::uintptr_t, std::intptr_t) -> std::optional<std::intptr_t> {
            if (message == WM_APP + 5) throw Error("Unable to write to C:\\Q\\Option.ini");
            return std::nullopt;
        });
    std::wstring reported;
    bool answered = false;
    UserThread user([&] {
        HWND box = WaitForWindow(Win32MessageDialogs::kClassName, L"Error");
        if (!box) return;
        reported = StaticTexts(box);
        PressButton(box, IDOK);
    });
    const UINT_PTR waker = SetTimer(nullptr, 0, 20, nullptr);
    answered = form->Send(WM_APP + 5, 0, 0) == 0;
    KillTimer(nullptr, waker);
    EXPECT_TRUE(answered);
    EXPECT_EQ(reported, Widen("Unable to write to C:\\Q\\Option.ini"));
}

}  // namespace
}  // namespace quorvel::win32
