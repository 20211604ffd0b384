#pragma once

#include <string>

#include "win32/handles.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {

// The hidden window that carries the program's title for other programs: a second start
// finds it by that title and shows it. It has no size and no task-bar button, so being
// shown changes nothing on screen.
class ApplicationWindow {
  public:
    static constexpr const wchar_t* kClassName = L"QuorvelApplication";

    explicit ApplicationWindow(HINSTANCE instance);
    void SetTitle(const std::string& title);
    HWND Handle() const { return window_.Get(); }

  private:
    UniqueWindow window_;
};

}  // namespace quorvel::win32
