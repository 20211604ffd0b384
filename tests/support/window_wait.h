#pragma once

// The one wait and the one window finder of the Windows test programs.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

namespace quorvel::test_support {

// Polls until the condition holds or the time is up; windows appear asynchronously.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));

// A visible top-level window of the process with this caption (and this class, when one is
// given), or null.
HWND FindProgramWindow(DWORD processId, const std::wstring& caption,
                       const wchar_t* className = nullptr);

}  // namespace quorvel::test_support
