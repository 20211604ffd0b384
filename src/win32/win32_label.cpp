#include "win32/win32_label.h"

#include "win32/bitmap_conversion.h"
#include "win32/text_conversion.h"
#include "win32/win32_form.h"

namespace quorvel::win32 {

Win32Label::Win32Label(Win32Form& form, const ControlLayout& layout)
    : Win32Control(form, layout, {kClassName}) {}

void Win32Label::SetText(const std::string& text) {
    Win32Control::SetText(text);
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

std::optional<LRESULT> Win32Label::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_SETCURSOR:
            if (!layout_.handCursor) return std::nullopt;
            SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));  // IDC_HAND
            return TRUE;
        case WM_LBUTTONDOWN:
            pressed_ = true;
            SetCapture(Hwnd());
            return 0;
        case WM_LBUTTONUP: {
            const bool click = pressed_;
            pressed_ = false;
            if (GetCapture() == Hwnd()) ReleaseCapture();
            POINT at{short(LOWORD(lParam)), short(HIWORD(lParam))};
            RECT client{};
            GetClientRect(Hwnd(), &client);
            if (click && PtInRect(&client, at)) Fire(onClick_);
            return 0;
        }
        default:
            return std::nullopt;
    }
}

void Win32Label::Paint() {
    const PaintScope paint(Hwnd());
    HDC dc = paint.Dc();
    DrawBitmap(dc, form_.BackdropPart(Hwnd()), 0, 0);
    RECT client{};
    GetClientRect(Hwnd(), &client);
    const SelectionScope font(dc, form_.Font(layout_.font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    std::wstring text = Widen(Text());
    DrawTextW(dc, text.c_str(), int(text.size()), &client, DT_CENTER | DT_NOPREFIX);
}

}  // namespace quorvel::win32
