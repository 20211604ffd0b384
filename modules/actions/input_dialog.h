#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace quorvel::actions {

// Control identifiers of the command dialog, for tests that answer it.
constexpr int kCommandEdit = 100;
constexpr int kBrowseButton = 101;

// Asks for the text to open with a hot key: a small modal dialog owned by `owner`, with
// `prompt`, an edit box holding `initial`, a Browse button, OK and Cancel. The text, or
// nothing when the user cancelled. OK needs a text.
std::optional<std::wstring> AskCommandText(HWND owner, const std::wstring& caption,
                                           const std::wstring& prompt, const std::wstring& initial);

}  // namespace quorvel::actions
