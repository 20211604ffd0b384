#include "win32/win32_check_box.h"

#include "base/bitmap_resample.h"
#include "base/canvas.h"
#include "controls/program_buttons.h"
#include "win32/bitmap_conversion.h"
#include "win32/check_box_resources.h"
#include "win32/win32_form.h"
#include "win32/win32_text_rasterizer.h"
#include "win32/win32_toolkit.h"

namespace quorvel::win32 {

Win32CheckBox::Win32CheckBox(Win32Form& form, const ControlLayout& layout)
    : Win32Control(form, layout, {kClassName}),
      core_(this, BuildCheckBoxPictures(LoadCheckBoxResources())) {
    const DisplayScale scale = form.Toolkit().Scale();
    designSize_ = {scale.ToDesign(layout.bounds.width), scale.ToDesign(layout.bounds.height)};
    core_.SetSize(designSize_.width, designSize_.height);
    core_.SetFont(FontOfLayout(layout.font, form.Layout().font));
    core_.SetCaption(std::string(layout.text));
    core_.SetEnabled(layout.enabled);
    core_.SetTabStop(layout.tabOrder >= 0);
    if (layout.checked) core_.SetChecked(true);  // no handler is attached yet
}

void Win32CheckBox::SetText(const std::string& text) {
    Win32Control::SetText(text);
    core_.SetCaption(text);
}

void Win32CheckBox::SetEnabled(bool enabled) {
    Win32Control::SetEnabled(enabled);
    core_.SetEnabled(enabled);
}

void Win32CheckBox::FontTaken(const FontSpec& font) {
    core_.SetFont(FontOfLayout(font, form_.Layout().font));
}

void Win32CheckBox::RedrawBox() {
    // The box is drawn with the rest of the control, in one piece, so it never flickers.
    Invalidate();
    if (Hwnd()) UpdateWindow(Hwnd());
}

void Win32CheckBox::Invalidate() {
    if (Hwnd()) InvalidateRect(Hwnd(), nullptr, FALSE);
}

void Win32CheckBox::TakeFocus() {
    ::SetFocus(Hwnd());
}

void Win32CheckBox::Raise(XPCheckBoxEvent event) {
    if (event == XPCheckBoxEvent::kClick) Fire(onClick_);
}

unsigned Win32CheckBox::Modifiers() {
    unsigned modifiers = 0;
    if (GetKeyState(VK_SHIFT) < 0) modifiers |= key_modifier::kShift;
    if (GetKeyState(VK_CONTROL) < 0) modifiers |= key_modifier::kCtrl;
    if (GetKeyState(VK_MENU) < 0) modifiers |= key_modifier::kAlt;
    return modifiers;
}

Bitmap Win32CheckBox::Render() {
    const Bitmap backdrop = form_.BackdropPart(Hwnd());
    Bitmap face = Resampled(backdrop, designSize_.width, designSize_.height);
    // The control's background is the picture's colour where it stands.
    if (face.Width() > 0 && face.Height() > 0) core_.SetColor(face.Pixel(0, face.Height() / 2));
    Canvas canvas(face, &StyledControlRasterizer());
    core_.Paint(canvas);
    return Resampled(face, backdrop.Width(), backdrop.Height());
}

void Win32CheckBox::ReleaseHeldMouse(WPARAM buttonsStillDown) {
    if (!(buttonsStillDown & (MK_LBUTTON | MK_RBUTTON)) && GetCapture() == Hwnd()) ReleaseCapture();
}

void Win32CheckBox::Paint() {
    {
        const PaintScope paint(Hwnd());
        if (core_.PaintingAllowed()) DrawBitmap(paint.Dc(), Render(), 0, 0);
    }
    // A paint refused during a key event is made up for once the key is handled.
    if (!core_.PaintingAllowed()) Invalidate();
}

std::optional<LRESULT> Win32CheckBox::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_GETDLGCODE:
            return DLGC_BUTTON;
        case WM_SETFOCUS:
            core_.Enter();
            return 0;
        case WM_KILLFOCUS:
            core_.Exit();
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
            return 0;
        case WM_MOUSELEAVE:
            tracking_ = false;
            core_.MouseLeave();
            return 0;
        // The control keeps the mouse while a button is held, so a release after the
        // pointer was dragged off still ends the press.
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            SetCapture(Hwnd());
            core_.MouseDown(MouseButton::kLeft);
            return 0;
        case WM_LBUTTONUP:
            ReleaseHeldMouse(wParam);
            core_.MouseUp(MouseButton::kLeft);
            return 0;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            SetCapture(Hwnd());
            core_.MouseDown(MouseButton::kRight);
            return 0;
        case WM_RBUTTONUP:
            ReleaseHeldMouse(wParam);
            core_.MouseUp(MouseButton::kRight);
            return 0;
        case BM_CLICK:
            core_.Toggle();
            return 0;
        case WM_KEYDOWN:
            core_.KeyDown(int(wParam), Modifiers());
            return 0;
        case WM_KEYUP:
            core_.KeyUp(int(wParam), Modifiers());
            return 0;
        default:
            return std::nullopt;
    }
}

}  // namespace quorvel::win32
