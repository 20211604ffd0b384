#include "controls/xp_bit_btn.h"

namespace quorvel {

namespace {

// The component's own texts (UTF-8).
const char kGradientStepsError[] =
    "Значение GradientSteps должно\rнаходиться в пределах от 0 до 255";
const char kRadiusError[] = "Значение Radius не должно\rпревышать велечину (Height div 2)-2";

}  // namespace

void TXPBitBtn::SetStyleButton(ButtonStyle value) {
    if (value == styleButton_) return;
    styleButton_ = value;
    if (value != ButtonStyle::xpbbsbRoundRect) {
        radius_ = 0;
    } else if (radius_ == 0) {
        radius_ = 2;
    }
    // The new outline may not cover what the old one did.
    eraseBackground_ = true;
    Invalidate();
}

void TXPBitBtn::SetRadius(int value) {
    int radius = Clamp16(value);
    if (styleButton_ != ButtonStyle::xpbbsbRoundRect) {
        radius = 0;
    } else if (radius > RadiusLimit()) {
        if (owner_) owner_->ShowError(kRadiusError);
        radius = RadiusLimit();
    }
    Change(radius_, radius);
}

void TXPBitBtn::SetGradientSteps(int value) {
    if (value < 0 || value > kMaxGradientSteps) {
        if (owner_) owner_->ShowError(kGradientStepsError);
        return;
    }
    Change(gradientSteps_, value);
}

void TXPBitBtn::SetSize(int width, int height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    Invalidate();
}

void TXPBitBtn::MouseEnter() {
    hot_ = true;
    Invalidate();
}

void TXPBitBtn::MouseLeave() {
    hot_ = false;
    Invalidate();
}

// Colour A is drawn first and B one pixel smaller over it, so A shows only on the right
// and bottom edges.
void TXPBitBtn::FramePair(Canvas& canvas, Color a, Color b, const PixelRect& r,
                          int cornerSize) const {
    if (flat_ && !hot_) return;
    const PixelRect inner{r.left, r.top, r.right - 1, r.bottom - 1};
    for (const auto& [colour, shape] : {std::pair{a, r}, std::pair{b, inner}}) {
        canvas.SetPen(colour);
        canvas.SetBrush(colour);
        if (styleButton_ == ButtonStyle::xpbbsbEllipse) {
            canvas.Ellipse(shape);
        } else {
            canvas.RoundRect(shape, cornerSize, cornerSize);
        }
    }
}

void TXPBitBtn::DrawFace(Canvas& canvas, bool pressed, int cornerSize) const {
    if ((flat_ && !hot_) || !enabled_) return;
    const int w = width_;
    const int h = height_;
    GradientParams params;
    params.sunken = pressed || down_;
    params.mode = gradientMode_;
    params.steps = gradientSteps_;
    params.cornerSize = cornerSize;
    params.style = styleButton_;
    params.effectEllipse = gradientEffectEllipse_;
    params.kindEllipse = gradientKindEllipse_;
    params.gradient = gradient_;

    // The ring just inside the frame shows the pair; the main gradient covers the middle.
    Color first = colorInsideFrameStart_;
    Color second = colorInsideFrameEnd_;
    if (hot_ && !pressed) {
        first = colorFocusedButtonStart_;
        second = colorFocusedButtonEnd_;
    } else if (!hot_ && default_) {
        first = colorDefaultButtonStart_;
        second = colorDefaultButtonEnd_;
    }
    if (styleButton_ != ButtonStyle::xpbbsbEllipse || !gradient_) {
        GradientFill(canvas, {2, 2, w - 2, h - 2}, first, second, params);
    }

    if (hot_ || default_) {
        const PixelRect inside =
            hot_ ? PixelRect{4, 4, w - 4, h - 4} : PixelRect{3, 4, w - 3, h - 4};
        GradientFill(canvas, inside, colorInsideFrameStart_, colorInsideFrameEnd_, params);
        PixelRect main{4, 4, w - 4, h - 4};
        if (hot_ && !pressed) {
            main = {5, 4, w - 5, h - 4};
        } else if (hot_) {
            main = {3, 3, w - 3, h - 2};
        }
        GradientFill(canvas, main, gradientStart_, gradientEnd_, params);
    } else {
        GradientFill(canvas, {3, 2, w - 3, h - 2}, gradientStart_, gradientEnd_, params);
    }
}

void TXPBitBtn::DrawContent(Canvas& canvas, DrawingState state) {
    const bool pressed = state == DrawingState::kPressed;
    canvas.SetFont(font_);
    const ButtonContentPlace place =
        PlaceButtonContent(canvas, {0, 0, width_, height_}, caption_,
                           {glyph_.Width(), glyph_.Height()}, layout_, margin_, spacing_);

    if (!glyph_.Empty()) {
        const Point at = pressed ? Point{place.glyph.x + 1, place.glyph.y}
                                 : Point{place.glyph.x, place.glyph.y - 1};
        if (state == DrawingState::kDisabled) {
            DrawDisabledGlyph(canvas, at, glyph_, glyphTransparent_);
        } else {
            const Color key = GlyphTransparentColor(glyph_);
            // Colours show only under the mouse unless GrayInactive is off.
            const Bitmap shown = hot_ || !grayInactive_
                                     ? glyph_
                                     : GreyGlyph(glyph_, key, canvas.Resolve(kClBtnFace));
            if (glyphTransparent_) {
                canvas.DrawTransparent(at.x, at.y, shown, key);
            } else {
                canvas.Draw(at.x, at.y, shown);
            }
        }
    }

    if (caption_.empty()) return;
    canvas.SetBrushStyle(BrushStyle::kClear);
    PixelRect text = pressed ? place.text.Offset(1, 1) : place.text;
    const unsigned format = text_format::kCenter | text_format::kVCenter;
    if (state == DrawingState::kDisabled) {
        PixelRect highlight = text.Offset(1, 1);
        canvas.SetFontColor(kClBtnHighlight);
        canvas.WriteTextIn(caption_, highlight, format);
        canvas.SetFontColor(kClBtnShadow);
    }
    canvas.WriteTextIn(caption_, text, format);
}

void TXPBitBtn::Paint(Canvas& canvas, const ButtonDrawState& request) {
    if (!visible_) return;
    const int w = width_;
    const int h = height_;
    const PixelRect client{0, 0, w, h};
    int radius = styleButton_ == ButtonStyle::xpbbsbRoundRect ? radius_ : 0;
    if (radius > RadiusLimit()) radius = RadiusLimit();
    const int cornerSize = 2 * radius;
    const DrawingState state = !enabled_          ? DrawingState::kDisabled
                               : request.selected ? DrawingState::kPressed
                                                  : DrawingState::kNormal;

    if (state == DrawingState::kDisabled) {
        if (eraseBackground_) {
            canvas.FillRect(client, kClBtnFace);
            eraseBackground_ = false;
        }
        if (externalFrame_) {
            FramePair(canvas, colorExternalFrameRightBottom_, colorExternalFrameLeftTop_, client,
                      cornerSize);
        }
        FramePair(canvas, kClBtnFace, kClInactiveBorder, {1, 1, w - 1, h - 1}, cornerSize);
        FramePair(canvas, kClInactiveBorder, kClBtnFace, {2, 2, w - 2, h - 2}, cornerSize);
    } else {
        if ((flat_ && !hot_) || eraseBackground_) {
            canvas.FillRect(client, kClBtnFace);
            eraseBackground_ = false;
        }
        if (externalFrame_) {
            FramePair(canvas, colorExternalFrameRightBottom_, colorExternalFrameLeftTop_, client,
                      cornerSize);
        }
        FramePair(canvas, colorFrameRightBottom_, colorFrameLeftTop_, {1, 1, w - 1, h - 1},
                  cornerSize);
        DrawFace(canvas, state == DrawingState::kPressed, cornerSize);
    }

    DrawContent(canvas, state);

    if (!flat_ && !hot_ && !default_ && state != DrawingState::kDisabled && markBtnFocused_ &&
        request.focused) {
        PixelRect mark = client.Inflated(-5, -4);
        if (styleButton_ == ButtonStyle::xpbbsbEllipse) mark = mark.Inflated(-(w / 6), -(h / 6));
        canvas.DrawFocusRect(mark);
    }
}

}  // namespace quorvel
