#pragma once

#include "platform/system_hot_keys.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {

class Win32SystemHotKeys : public SystemHotKeys {
  public:
    explicit Win32SystemHotKeys(HWND window) : window_(window) {}
    bool Register(int id, unsigned modifiers, unsigned virtualKey) override;
    bool Unregister(int id) override;
    bool KeyDown(unsigned virtualKey) override;

  private:
    HWND window_;
};

class Win32FocusKeeper : public FocusKeeper {
  public:
    std::uint32_t ForegroundThread() override;
    std::uint32_t OwnThread() override;
    bool AttachInput(std::uint32_t thread, bool attach) override;
    std::uintptr_t FocusedWindow() override;
    void SetFocus(std::uintptr_t window) override;
};

}  // namespace quorvel::win32
