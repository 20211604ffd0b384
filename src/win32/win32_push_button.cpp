#include "win32/win32_push_button.h"

#include "base/canvas.h"
#include "controls/program_buttons.h"
#include "platform/error_report.h"
#include "skin/skin_drawing.h"
#include "win32/bitmap_conversion.h"
#include "win32/win32_form.h"
#include "win32/win32_picture.h"
#include "win32/win32_text_rasterizer.h"
#include "win32/win32_toolkit.h"

namespace quorvel::win32 {

Win32PushButton::Win32PushButton(Win32Form& form, const ControlLayout& layout)
    : Win32Control(form, layout, {kClassName}), core_(this) {
    core_.SetSize(layout.bounds.width, layout.bounds.height);
    core_.SetFont(FontOfLayout(layout.font, form.Layout().font));
    core_.SetCaption(std::string(layout.text));
    core_.SetEnabled(layout.enabled);
    ApplyProgramButtonStyle(core_, form.Layout().name, layout.name);
}

void Win32PushButton::SetText(const std::string& text) {
    Win32Control::SetText(text);
    core_.SetCaption(text);
}

void Win32PushButton::SetEnabled(bool enabled) {
    Win32Control::SetEnabled(enabled);
    core_.SetEnabled(enabled);
}

void Win32PushButton::BoundsTaken(LayoutRect bounds) {
    core_.SetSize(bounds.width, bounds.height);
}

void Win32PushButton::FontTaken(const FontSpec& font) {
    core_.SetFont(FontOfLayout(font, form_.Layout().font));
}

void Win32PushButton::Invalidate() {
    if (Hwnd()) InvalidateRect(Hwnd(), nullptr, FALSE);
}

void Win32PushButton::ShowError(const std::string& text) {
    ShowErrorReport(form_.Toolkit().Dialogs(), text);
}

void Win32PushButton::Clicked(int) {
    FireUserAction(onClick_);
}

bool Win32PushButton::PointerInside(LPARAM lParam) const {
    POINT at{short(LOWORD(lParam)), short(HIWORD(lParam))};
    RECT client{};
    GetClientRect(Hwnd(), &client);
    return PtInRect(&client, at) != FALSE;
}

void Win32PushButton::SetSelected(bool selected) {
    if (selected == selected_) return;
    selected_ = selected;
    Invalidate();
}

Bitmap Win32PushButton::Render() {
    // The outer frame follows the picture around the button each time it is painted.
    if (const Win32Picture* backdrop = form_.Backdrop())
        BlendButtonFrame(core_, CoreBounds(), backdrop->Image());
    Bitmap face = form_.BackdropPart(Hwnd());
    Canvas canvas(face, &StyledControlRasterizer());
    core_.Paint(canvas, {.selected = selected_ || core_.Down(), .focused = CoreFocused()});
    return face;
}

void Win32PushButton::Paint() {
    const PaintScope paint(Hwnd());
    DrawBitmap(paint.Dc(), Render(), 0, 0);
}

std::optional<LRESULT> Win32PushButton::OnWindowMessage(UINT message, WPARAM wParam,
                                                        LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_GETDLGCODE:
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            if (message == WM_KILLFOCUS) {
                spaceDown_ = false;
                if (!mouseDown_) SetSelected(false);
            }
            core_.FocusChanged();
            return 0;
        case WM_ENABLE:
            core_.SetEnabled(wParam != 0);
            return 0;
        case WM_MOUSEMOVE:
            if (!tracking_) {
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Hwnd(), 0};
                tracking_ = TrackMouseEvent(&track) != FALSE;
                core_.MouseEnter();
            }
            if (mouseDown_) SetSelected(PointerInside(lParam));
            return 0;
        case WM_MOUSELEAVE:
            tracking_ = false;
            core_.MouseLeave();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            ::SetFocus(Hwnd());
            mouseDown_ = true;
            SetCapture(Hwnd());
            SetSelected(true);
            return 0;
        case WM_LBUTTONUP: {
            const bool click = mouseDown_ && PointerInside(lParam);
            mouseDown_ = false;
            if (GetCapture() == Hwnd()) ReleaseCapture();
            SetSelected(spaceDown_);
            if (click) core_.Click();
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (mouseDown_) {
                mouseDown_ = false;
                SetSelected(spaceDown_);
            }
            return 0;
        case BM_CLICK:  // an accelerator letter or the program
            core_.Click();
            return 0;
        case WM_KEYDOWN:
            if (wParam != VK_SPACE) return std::nullopt;
            if (!spaceDown_ && !mouseDown_) {
                spaceDown_ = true;
                SetSelected(true);
            }
            return 0;
        case WM_KEYUP:
            if (wParam != VK_SPACE) return std::nullopt;
            if (spaceDown_) {
                spaceDown_ = false;
                SetSelected(false);
                core_.Click();
            }
            return 0;
        default:
            return std::nullopt;
    }
}

}  // namespace quorvel::win32
