#pragma once

#include "win32/windows_api.h"
// After windows.h, which it needs.
#include <shellapi.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/tray_icon.h"
#include "win32/handles.h"
#include "win32/window_class.h"

namespace quorvel::win32 {

class Win32Toolkit;

// The program's icon in the notification area, owned by a hidden window of its own that
// receives the icon's mouse messages, the animation timer and the task bar's restarts.
class Win32TrayIcon : public TrayIcon, private WindowObject {
  public:
    static constexpr wchar_t kClassName[] = L"QuorvelTrayIcon";
    static constexpr UINT kIconId = 1;  // with Hwnd(), names the icon to the shell
    static void Register(HINSTANCE instance);

    // Throws Error when the window cannot be made.
    explicit Win32TrayIcon(Win32Toolkit& toolkit);
    ~Win32TrayIcon() override;

    bool Active() const override { return active_; }
    void SetActive(bool active) override;
    void SetImages(const std::vector<Bitmap>& images) override;
    int ImageIndex() const override { return index_; }
    void SetImageIndex(int index) override;
    void SetAnimationImages(std::function<std::vector<Bitmap>()> frames) override;
    bool Animated() const override { return animated_; }
    void SetAnimated(bool animated) override;
    std::string Hint() const override { return hint_; }
    void SetHint(const std::string& hint) override;
    void ShowBalloon(const std::string& title, const std::string& text) override;
    void SetPopupMenu(PopupMenu* menu) override { menu_ = menu; }
    void SetOnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
    void SetOnDoubleClick(std::function<void()> handler) override {
        onDoubleClick_ = std::move(handler);
    }
    void SetOnTaskBarRestart(std::function<void()> handler) override {
        onTaskBarRestart_ = std::move(handler);
    }

    HWND Hwnd() const { return window_.Get(); }

  private:
    std::optional<LRESULT> OnMessage(const WindowMessage& message) override;
    void Mouse(UINT mouseMessage);
    HICON CurrentIcon();
    bool Notify(DWORD operation);

    Win32Toolkit& toolkit_;
    UniqueWindow window_;
    UINT taskbarCreated_;
    bool active_ = false;
    bool animated_ = false;
    bool leftDown_ = false;
    int index_ = -1;
    std::size_t frame_ = 0;
    std::string hint_;
    // The icons are made as they are first shown: at start only the one the icon shows.
    std::vector<Bitmap> images_;
    std::vector<UniqueIcon> icons_;  // one per image, null until shown
    std::function<std::vector<Bitmap>()> frameSource_;
    std::optional<std::vector<UniqueIcon>> frames_;  // made as the animation first runs
    PopupMenu* menu_ = nullptr;
    std::function<void()> onClick_;
    std::function<void()> onDoubleClick_;
    std::function<void()> onTaskBarRestart_;
};

}  // namespace quorvel::win32
