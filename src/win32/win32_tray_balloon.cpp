// The program icon's balloon notices.
#include "win32/text_conversion.h"
#include "win32/win32_tray_icon.h"

namespace quorvel::win32 {

namespace {

template <std::size_t N>
void CopyCut(const std::string& text, wchar_t (&target)[N]) {
    const std::wstring wide = Widen(text).substr(0, N - 1);
    wide.copy(target, wide.size());
}

}  // namespace

void Win32TrayIcon::ShowBalloon(const std::string& title, const std::string& text) {
    if (!active_) return;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window_.Get();
    data.uID = kIconId;
    data.uFlags = NIF_INFO;
    data.dwInfoFlags = NIIF_WARNING;
    CopyCut(title, data.szInfoTitle);
    CopyCut(text, data.szInfo);
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

}  // namespace quorvel::win32
