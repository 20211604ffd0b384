#pragma once

#include <exception>
#include <string>
#include <utility>

#include "platform/message_dialogs.h"

namespace quorvel {

// The standard error report: an error dialog with the text and OK.
inline void ShowErrorReport(MessageDialogs& dialogs, const std::string& text) {
    dialogs.Show({.type = DialogType::kError, .text = text});
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
    } catch (const std::exception& error) {
        try {
            text = error.what();
        } catch (...) {
        }
    } catch (...) {
        text = "Unknown error";
    }
    try {
        ShowErrorReport(dialogs, text);
    } catch (...) {
    }
}

}  // namespace quorvel
