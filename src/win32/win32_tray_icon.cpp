#include "win32/win32_tray_icon.h"

#include "platform/controls.h"
#include "platform/menu.h"
#include "win32/bitmap_conversion.h"
#include "win32/message_filter.h"
#include "win32/text_conversion.h"
#include "win32/win32_toolkit.h"

namespace quorvel::win32 {

namespace {

constexpr UINT kCallbackMessage = WM_APP + 1;
constexpr UINT_PTR kAnimationTimer = 1;
constexpr UINT kAnimationInterval = 150;

// The program's own pictures keep their alpha icons (no keyed fringe on a dark task bar);
// any other picture becomes an icon with its transparent colour see-through.
UniqueIcon IconOf(Win32Toolkit& toolkit, const Bitmap& image) {
    if (HICON own = toolkit.ProgramIconOf(image)) return UniqueIcon(CopyIcon(own));
    return IconFromBitmap(image, kGlyphTransparent);
}

}  // namespace

void Win32TrayIcon::Register(HINSTANCE instance) {
    RegisterWindowClass(instance, {.name = kClassName});
}

Win32TrayIcon::Win32TrayIcon(Win32Toolkit& toolkit)
    : toolkit_(toolkit), taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
    window_ = CreateObjectWindow(
        {.className = kClassName, .style = WS_POPUP, .instance = toolkit.Instance()}, this,
        "the tray icon's window");
    // The task bar announces its restart from a process that may run with less rights than
    // the program (which runs as an administrator to write the autorun key): let it in.
    if (taskbarCreated_) AllowMessageFromLowerRights(window_.Get(), taskbarCreated_);
}

Win32TrayIcon::~Win32TrayIcon() {
    if (active_) Notify(NIM_DELETE);
    window_.Reset();  // while the members its messages reach still exist
}

std::optional<LRESULT> Win32TrayIcon::OnMessage(const WindowMessage& m) {
    // The messages of the window's making go to the default handling.
    if (!window_) return std::nullopt;
    const UINT message = m.message;
    const WPARAM wParam = m.wParam;
    const LPARAM lParam = m.lParam;
    if (message == kCallbackMessage) {
        if (active_) Mouse(UINT(lParam));
        return 0;
    }
    if (message == WM_TIMER && wParam == kAnimationTimer) {
        if (frames_ && !frames_->empty()) {
            frame_ = (frame_ + 1) % frames_->size();
            if (active_) Notify(NIM_MODIFY);
        }
        return 0;
    }
    if (message == taskbarCreated_) {  // the task bar restarted: show the icons again
        if (active_) Notify(NIM_ADD);
        if (onTaskBarRestart_) toolkit_.Guard(onTaskBarRestart_);
        return 0;
    }
    return std::nullopt;
}

// A click is the release of the left button pressed on the icon; the right button opens
// the menu at the pointer instead of a click.
void Win32TrayIcon::Mouse(UINT mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONDOWN:
            leftDown_ = true;
            break;
        case WM_LBUTTONUP:
            if (std::exchange(leftDown_, false) && onClick_) toolkit_.Guard(onClick_);
            break;
        case WM_LBUTTONDBLCLK:
            leftDown_ = false;
            if (onDoubleClick_) toolkit_.Guard(onDoubleClick_);
            break;
        case WM_RBUTTONUP:
            if (menu_) {
                POINT at{};
                GetCursorPos(&at);
                menu_->Popup({at.x, at.y});  // its commands run in the menu's own boundary
            }
            break;
        default:
            break;
    }
}

HICON Win32TrayIcon::CurrentIcon() {
    if (animated_ && frames_ && !frames_->empty())
        return (*frames_)[frame_ % frames_->size()].Get();
    if (index_ >= 0 && std::size_t(index_) < images_.size()) {
        UniqueIcon& icon = icons_[std::size_t(index_)];
        if (!icon) icon = IconOf(toolkit_, images_[std::size_t(index_)]);
        return icon.Get();
    }
    return LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
}

bool Win32TrayIcon::Notify(DWORD operation) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window_.Get();
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = CurrentIcon();
    const std::wstring tip = Widen(hint_).substr(0, std::size(data.szTip) - 1);
    tip.copy(data.szTip, tip.size());
    return Shell_NotifyIconW(operation, &data) != FALSE;
}

void Win32TrayIcon::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    leftDown_ = false;
    Notify(active ? NIM_ADD : NIM_DELETE);
}

void Win32TrayIcon::SetImages(const std::vector<Bitmap>& images) {
    images_ = images;
    icons_.clear();
    icons_.resize(images_.size());
    if (active_) Notify(NIM_MODIFY);
}

void Win32TrayIcon::SetImageIndex(int index) {
    // The disc watch sets the same picture once a second: the shell need not redraw it.
    if (index == index_) return;
    index_ = index;
    if (active_) Notify(NIM_MODIFY);
}

void Win32TrayIcon::SetAnimationImages(std::function<std::vector<Bitmap>()> frames) {
    frameSource_ = std::move(frames);
    frames_.reset();
    frame_ = 0;
}

void Win32TrayIcon::SetAnimated(bool animated) {
    if (animated == animated_) return;
    animated_ = animated;
    if (animated && !frames_) {
        frames_.emplace();
        if (frameSource_)
            for (const Bitmap& image : frameSource_()) frames_->push_back(IconOf(toolkit_, image));
    }
    if (animated)
        SetTimer(window_.Get(), kAnimationTimer, kAnimationInterval, nullptr);
    else
        KillTimer(window_.Get(), kAnimationTimer);
    if (active_) Notify(NIM_MODIFY);
}

void Win32TrayIcon::SetHint(const std::string& hint) {
    hint_ = hint;
    if (active_) Notify(NIM_MODIFY);
}

}  // namespace quorvel::win32
