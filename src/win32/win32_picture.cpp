#include "win32/win32_picture.h"

#include <windowsx.h>

#include "win32/bitmap_conversion.h"
#include "win32/win32_form.h"

namespace quorvel::win32 {

Win32Picture::Win32Picture(Win32Form& form, const ControlLayout& layout)
    : Win32Control(form, layout, {kClassName}) {
    // Beneath every other control of the form.
    SetWindowPos(Hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (layout.bounds.left == 0 && layout.bounds.top == 0) form.SetBackdrop(this);
}

Win32Picture::~Win32Picture() {
    if (form_.Backdrop() == this) form_.SetBackdrop(nullptr);
}

void Win32Picture::SetImage(const Bitmap& image) {
    image_ = image;
    if (layout_.autoSize) {
        LayoutRect bounds = Bounds();
        bounds.width = image.Width();
        bounds.height = image.Height();
        SetBounds(bounds);
    }
    InvalidateRect(Hwnd(), nullptr, FALSE);
    if (form_.Backdrop() == this) form_.RedrawOverBackdrop();
}

std::optional<LRESULT> Win32Picture::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            const PaintScope paint(Hwnd());
            RECT client{};
            GetClientRect(Hwnd(), &client);
            if (client.right > image_.Width() || client.bottom > image_.Height())
                FillRect(paint.Dc(), &client, GetSysColorBrush(COLOR_BTNFACE));
            DrawBitmap(paint.Dc(), image_, 0, 0);
            return 0;
        }
        case WM_LBUTTONDOWN:
            Button(MouseButton::kLeft, true, lParam);
            return 0;
        case WM_RBUTTONDOWN:
            Button(MouseButton::kRight, true, lParam);
            return 0;
        case WM_MBUTTONDOWN:
            Button(MouseButton::kMiddle, true, lParam);
            return 0;
        case WM_LBUTTONUP:
            Button(MouseButton::kLeft, false, lParam);
            return 0;
        case WM_RBUTTONUP:
            Button(MouseButton::kRight, false, lParam);
            return 0;
        case WM_MBUTTONUP:
            Button(MouseButton::kMiddle, false, lParam);
            return 0;
        case WM_MOUSEMOVE:
            if (onMove_) {
                const Point at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                Fire([&] { onMove_(at); });
            }
            return 0;
        default:
            return std::nullopt;
    }
}

void Win32Picture::Button(MouseButton button, bool down, LPARAM lParam) {
    const Point at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (down) {
        SetCapture(Hwnd());
        if (onDown_) Fire([&] { onDown_(button, at); });
        return;
    }
    if (GetCapture() == Hwnd() && !(GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0 ||
                                    GetKeyState(VK_MBUTTON) < 0))
        ReleaseCapture();
    if (onUp_) Fire([&] { onUp_(button, at); });
}

}  // namespace quorvel::win32
