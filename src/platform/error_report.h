#pragma once

#include <chrono>
#include <exception>
#include <functional>
#include <string>
#include <utility>

#include "platform/message_dialogs.h"

namespace quorvel {

// The standard error report: an error dialog with the text and OK.
inline void ShowErrorReport(MessageDialogs& dialogs, const std::string& text) {
    dialogs.Show({.type = DialogType::kError, .text = text});
}

// The text the report shows for an error: its message, or "Unknown error" for anything
// thrown that is no std::exception. Empty only when not even that can be had.
inline std::string ErrorReportText(const std::exception_ptr& error) noexcept {
    try {
        if (error) std::rethrow_exception(error);
    } catch (const std::exception& thrown) {
        try {
            return thrown.what();
        } catch (...) {
        }
    } catch (...) {
        try {
            return "Unknown error";
        } catch (...) {
        }
    }
    return {};
}

// The boundary where the program's handlers are called from the system (window
// procedures, timer ticks, menu commands): an error abandons the handler, is reported,
// and the program goes on. Nothing escapes, not even a failing report.
template <typename Function>
void RunReportingErrors(MessageDialogs& dialogs, Function&& function) noexcept {
    std::string text;
    try {
        std::forward<Function>(function)();
        return;
    } catch (...) {
        text = ErrorReportText(std::current_exception());
    }
    try {
        ShowErrorReport(dialogs, text);
    } catch (...) {
    }
}

// The error report of a toolkit's boundary with the system, for failures that can come
// again and again (a paint that fails each time it is asked, with the report over it; a
// timer that fails at every tick): at most one report is on screen at a time, and a
// failure is reported once per burst.
// - A failure while a report is shown is not shown: a report over the report, and one
//   over that, would never end.
// - The same failure (the same text) again within the quiet time after its report
//   closed, or after it last came again, belongs to the same burst and is not shown
//   either; a window that fails to paint is not painted, and the program goes on.
// - Any other failure, and the same one after a quiet time, is reported.
class ErrorReport {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kQuietTime = std::chrono::milliseconds(500);

    explicit ErrorReport(
        MessageDialogs& dialogs,
        std::function<Clock::time_point()> now = [] { return Clock::now(); })
        : dialogs_(dialogs), now_(std::move(now)) {}
    ErrorReport(const ErrorReport&) = delete;
    ErrorReport& operator=(const ErrorReport&) = delete;

    // Runs a handler of the program: what it throws is reported as above.
    template <typename Function>
    void Run(Function&& function) noexcept {
        try {
            std::forward<Function>(function)();
        } catch (...) {
            Report(std::current_exception());
        }
    }

    // Runs what a user asked for by a click: its failure is reported even when it is the
    // same as the last, since a user who tries again must be told again (no burst).
    template <typename Function>
    void RunUserAction(Function&& function) noexcept {
        try {
            std::forward<Function>(function)();
        } catch (...) {
            Report(std::current_exception(), /*burst=*/false);
        }
    }

    // A failure caught at the boundary. Never throws.
    void Report(const std::exception_ptr& error, bool burst = true) noexcept {
        try {
            std::string text = ErrorReportText(error);
            if (showing_) return;
            const Clock::time_point now = now_();
            if (burst && reported_ && text == burst_ && now < burstEnds_) {
                burstEnds_ = now + kQuietTime;
                return;
            }
            burst_ = std::move(text);
            reported_ = true;
            const ShownScope shown(showing_);
            ShowErrorReport(dialogs_, burst_);
        } catch (...) {
        }
        try {
            burstEnds_ = now_() + kQuietTime;
        } catch (...) {
        }
    }

  private:
    // Marks the report as on screen for one scope, also when showing it fails.
    class ShownScope {
      public:
        explicit ShownScope(bool& flag) : flag_(flag) { flag_ = true; }
        ~ShownScope() { flag_ = false; }
        ShownScope(const ShownScope&) = delete;
        ShownScope& operator=(const ShownScope&) = delete;

      private:
        bool& flag_;
    };

    MessageDialogs& dialogs_;
    std::function<Clock::time_point()> now_;
    bool showing_ = false;
    bool reported_ = false;  // burst_ holds the last failure reported
    std::string burst_;
    Clock::time_point burstEnds_{};
};

}  // namespace quorvel
