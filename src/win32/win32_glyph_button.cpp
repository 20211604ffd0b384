#include "win32/win32_glyph_button.h"

#include "controls/button_glyph.h"
#include "win32/bitmap_conversion.h"
#include "win32/win32_form.h"

namespace quorvel::win32 {

namespace {

constexpr Color kShadow = Rgb(128, 128, 128);
constexpr Color kLight = Rgb(255, 255, 255);

void Frame(Bitmap& bitmap, Color topLeft, Color bottomRight) {
    const int right = bitmap.Width() - 1, bottom = bitmap.Height() - 1;
    for (int x = 0; x <= right; ++x) {
        bitmap.SetPixel(x, 0, topLeft);
        bitmap.SetPixel(x, bottom, bottomRight);
    }
    for (int y = 0; y <= bottom; ++y) {
        bitmap.SetPixel(0, y, topLeft);
        bitmap.SetPixel(right, y, bottomRight);
    }
}

}  // namespace

Win32GlyphButton::Win32GlyphButton(Win32Form& form, const ControlLayout& layout)
    : Win32Control(form, layout, {L"BUTTON", BS_OWNERDRAW}) {}

void Win32GlyphButton::SetGlyph(const Bitmap& glyph) {
    design_ = glyph;
    glyph_ = ScaledGlyph(design_, scale_);
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

void Win32GlyphButton::SetScale(DisplayScale scale) {
    if (scale == scale_) return;
    scale_ = scale;
    SetGlyph(design_);
}

void Win32GlyphButton::OnCommand(WORD code) {
    // An owner-drawn button reports a quick second click as a double click, not a click:
    // it counts as a click, as on a push button (Next twice steps two pages).
    if (code == BN_CLICKED || code == BN_DOUBLECLICKED) FireUserAction(onClick_);
}

bool Win32GlyphButton::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    Bitmap face = form_.BackdropPart(Hwnd());
    const int shift = pressed ? 1 : 0;
    const int left = (face.Width() - glyph_.Width()) / 2 + shift;
    const int top = (face.Height() - glyph_.Height()) / 2 + shift;
    for (int y = 0; y < glyph_.Height(); ++y) {
        for (int x = 0; x < glyph_.Width(); ++x) {
            const Color pixel = glyph_.Pixel(x, y);
            if (pixel != kGlyphTransparent)
                face.SetPixel(left + x, top + y, disabled ? kShadow : pixel);
        }
    }
    if (pressed) Frame(face, kShadow, kLight);
    DrawBitmap(item.hDC, face, 0, 0);
    return true;
}

}  // namespace quorvel::win32
