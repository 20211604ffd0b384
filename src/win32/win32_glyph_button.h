#pragma once

#include "win32/win32_control.h"

namespace quorvel::win32 {

// A flat button drawn over the form's picture: the glyph centred, sunk while pressed,
// grey while disabled.
class Win32GlyphButton : public Win32Control<GlyphButton> {
  public:
    Win32GlyphButton(Win32Form& form, const ControlLayout& layout);
    void SetGlyph(const Bitmap& glyph) override;
    void SetScale(DisplayScale scale) override;
    void SetOnClick(Handler handler) override { onClick_ = std::move(handler); }
    void OnCommand(WORD code) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

  private:
    Bitmap design_;  // as given, for 96 DPI
    DisplayScale scale_;
    Bitmap glyph_;  // as drawn at scale_
    Handler onClick_;
};

}  // namespace quorvel::win32
