// The error report at the boundary with the system: one report at a time, once per burst
// of the same failure, every other failure reported.
#include <gtest/gtest.h>

#include <stdexcept>

#include "base/error.h"
#include "fakes/fake_message_dialogs.h"
#include "platform/error_report.h"

namespace quorvel {
namespace {

using namespace std::chrono_literals;

class ErrorReportBurstsTest : public ::testing::Test {
  protected:
    void Fail(const std::string& text) {
        report.Run([&] { throw Error(text); });
    }

    FakeMessageDialogs dialogs;
    ErrorReport::Clock::time_point now{};
    ErrorReport report{dialogs, [this] { return now; }};
};

TEST_F(ErrorReportBurstsTest, TheSameFailureComingAgainAtOnceIsOneBurst) {
    Fail("Cannot draw");
    now += 100ms;
    Fail("Cannot draw");  // the window painted again as the report closed
    now += 400ms;
    Fail("Cannot draw");  // within the quiet time after the last one: still the burst
    EXPECT_EQ(dialogs.ErrorTexts(), std::vector<std::string>{"Cannot draw"});

    now += ErrorReport::kQuietTime;
    Fail("Cannot draw");
    EXPECT_EQ(dialogs.ErrorTexts(), (std::vector<std::string>{"Cannot draw", "Cannot draw"}))
        << "after a quiet time it is a new burst";
}

TEST_F(ErrorReportBurstsTest, AUserWhoTriesAgainIsToldAgain) {
    auto save = [&] {
        report.RunUserAction([] { throw Error("Unable to write to C:\\Option.ini"); });
    };
    save();
    now += 100ms;
    save();
    EXPECT_EQ(dialogs.ErrorTexts().size(), 2u);
}

TEST_F(ErrorReportBurstsTest, AnotherFailureIsReportedAtOnceAndAnythingThrownHasAText) {
    Fail("Cannot draw");
    Fail("'abc' is not a valid integer value");
    report.Run([] { throw 42; });
    EXPECT_EQ(dialogs.ErrorTexts(),
              (std::vector<std::string>{"Cannot draw", "'abc' is not a valid integer value",
                                        "Unknown error"}));
}

TEST_F(ErrorReportBurstsTest, AFailureWhileAReportIsShownOpensNoReportOverIt) {
    dialogs.AnswerWith([&](const MessageRequest&) {
        // The window under the report paints and fails, and so does a timer.
        Fail("Cannot draw");
        Fail("Tick failed");
        return ModalResult::kOk;
    });
    Fail("Cannot draw");
    EXPECT_EQ(dialogs.ErrorTexts(), std::vector<std::string>{"Cannot draw"});

    now += 10ms;
    Fail("Tick failed");
    EXPECT_EQ(dialogs.ErrorTexts(), (std::vector<std::string>{"Cannot draw", "Tick failed"}))
        << "once the report is closed, other failures are reported again";
}

TEST_F(ErrorReportBurstsTest, AReportThatFailsItselfEndsQuietlyAndTheNextIsShown) {
    dialogs.AnswerWith(
        [](const MessageRequest&) -> ModalResult { throw std::runtime_error("no dialog"); });
    Fail("Cannot draw");
    Fail("Tick failed");
    EXPECT_EQ(dialogs.ErrorTexts(), (std::vector<std::string>{"Cannot draw", "Tick failed"}));
}

}  // namespace
}  // namespace quorvel
