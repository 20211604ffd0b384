#include "win32/win32_label.h"

#include "base/canvas.h"
#include "controls/program_buttons.h"
#include "win32/bitmap_conversion.h"
#include "win32/win32_form.h"
#include "win32/win32_text_rasterizer.h"

namespace quorvel::win32 {

Win32Label::Win32Label(Win32Form& form, const ControlLayout& layout)
    : Win32Control(form, layout, {kClassName}), core_(this) {
    core_.SetSize(layout.bounds.width, layout.bounds.height);
    core_.SetFont(FontOfLayout(layout.font, form.Layout().font));
    core_.SetCaption(std::string(layout.text));
    ApplyProgramLabelStyle(core_);
}

void Win32Label::SetText(const std::string& text) {
    Win32Control::SetText(text);
    core_.SetCaption(text);
}

void Win32Label::BoundsTaken(LayoutRect bounds) {
    core_.SetSize(bounds.width, bounds.height);
}

void Win32Label::FontTaken(const FontSpec& font) {
    core_.SetFont(FontOfLayout(font, form_.Layout().font));
}

void Win32Label::Invalidate() {
    if (Hwnd()) InvalidateRect(Hwnd(), nullptr, FALSE);
}

void Win32Label::Resized(int width, int height) {
    LayoutRect bounds = CoreBounds();
    bounds.width = width;
    bounds.height = height;
    CoreSetBounds(bounds);
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
    Bitmap face = form_.BackdropPart(Hwnd());
    Canvas canvas(face, &StyledControlRasterizer());
    core_.Paint(canvas);
    DrawBitmap(paint.Dc(), face, 0, 0);
}

}  // namespace quorvel::win32
