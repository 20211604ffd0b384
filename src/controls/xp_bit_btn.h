#pragma once

#include <string>

#include "base/canvas.h"
#include "controls/button_glyph.h"
#include "controls/gradient_fill.h"

namespace quorvel {

// What the gradient push button needs from the window that hosts it.
class XPBitBtnOwner {
  public:
    virtual ~XPBitBtnOwner() = default;
    // The button must be painted again (whole).
    virtual void Invalidate() = 0;
    // An error box (error type, button OK) with this text.
    virtual void ShowError(const std::string& text) = 0;
    // The button was clicked: the parent form's modal result becomes `modalResult`, then
    // the button's action or click handler runs.
    virtual void Clicked(int modalResult) = 0;
};

// What a paint request says about the button.
struct ButtonDrawState {
    bool selected = false;  // held down by the mouse or the space bar
    bool focused = false;
};

// The gradient push button: its properties, hot state and painting. The window that hosts
// it forwards mouse entry and exit and focus changes, and paints it by calling Paint with
// a canvas over a picture of the button's size that already holds what lies behind it.
class TXPBitBtn {
  public:
    static constexpr int kMaxGradientSteps = 255;

    explicit TXPBitBtn(XPBitBtnOwner* owner = nullptr) : owner_(owner) {}

    // Properties with rules of their own.
    ButtonStyle StyleButton() const { return styleButton_; }
    void SetStyleButton(ButtonStyle value);
    int Radius() const { return radius_; }
    void SetRadius(int value);
    int GradientSteps() const { return gradientSteps_; }
    void SetGradientSteps(int value);

    // The rest repaint the button when the value changes.
    bool Gradient() const { return gradient_; }
    void SetGradient(bool value) { Change(gradient_, value); }
    GradientMode GetGradientMode() const { return gradientMode_; }
    void SetGradientMode(GradientMode value) { Change(gradientMode_, value); }
    int GradientEffectEllipse() const { return gradientEffectEllipse_; }
    void SetGradientEffectEllipse(int value) { Change(gradientEffectEllipse_, Clamp16(value)); }
    GradientKind GradientKindEllipse() const { return gradientKindEllipse_; }
    void SetGradientKindEllipse(GradientKind value) { Change(gradientKindEllipse_, value); }
    bool ExternalFrame() const { return externalFrame_; }
    void SetExternalFrame(bool value) { Change(externalFrame_, value); }
    bool GrayInactive() const { return grayInactive_; }
    void SetGrayInactive(bool value) { Change(grayInactive_, value); }
    bool GlyphTransparent() const { return glyphTransparent_; }
    void SetGlyphTransparent(bool value) { Change(glyphTransparent_, value); }
    bool Flat() const { return flat_; }
    void SetFlat(bool value) { Change(flat_, value); }
    bool Down() const { return down_; }
    void SetDown(bool value) { Change(down_, value); }
    bool MarkBtnFocused() const { return markBtnFocused_; }
    void SetMarkBtnFocused(bool value) { Change(markBtnFocused_, value); }

    Color ColorExternalFrameLeftTop() const { return colorExternalFrameLeftTop_; }
    void SetColorExternalFrameLeftTop(Color c) { Change(colorExternalFrameLeftTop_, c); }
    Color ColorExternalFrameRightBottom() const { return colorExternalFrameRightBottom_; }
    void SetColorExternalFrameRightBottom(Color c) { Change(colorExternalFrameRightBottom_, c); }
    Color ColorFrameLeftTop() const { return colorFrameLeftTop_; }
    void SetColorFrameLeftTop(Color c) { Change(colorFrameLeftTop_, c); }
    Color ColorFrameRightBottom() const { return colorFrameRightBottom_; }
    void SetColorFrameRightBottom(Color c) { Change(colorFrameRightBottom_, c); }
    Color ColorInsideFrameStart() const { return colorInsideFrameStart_; }
    void SetColorInsideFrameStart(Color c) { Change(colorInsideFrameStart_, c); }
    Color ColorInsideFrameEnd() const { return colorInsideFrameEnd_; }
    void SetColorInsideFrameEnd(Color c) { Change(colorInsideFrameEnd_, c); }
    Color ColorDefaultButtonStart() const { return colorDefaultButtonStart_; }
    void SetColorDefaultButtonStart(Color c) { Change(colorDefaultButtonStart_, c); }
    Color ColorDefaultButtonEnd() const { return colorDefaultButtonEnd_; }
    void SetColorDefaultButtonEnd(Color c) { Change(colorDefaultButtonEnd_, c); }
    Color ColorFocusedButtonStart() const { return colorFocusedButtonStart_; }
    void SetColorFocusedButtonStart(Color c) { Change(colorFocusedButtonStart_, c); }
    Color ColorFocusedButtonEnd() const { return colorFocusedButtonEnd_; }
    void SetColorFocusedButtonEnd(Color c) { Change(colorFocusedButtonEnd_, c); }
    Color GradientStart() const { return gradientStart_; }
    void SetGradientStart(Color c) { Change(gradientStart_, c); }
    Color GradientEnd() const { return gradientEnd_; }
    void SetGradientEnd(Color c) { Change(gradientEnd_, c); }

    // What every bitmap button has.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value) { Change(caption_, value); }
    const quorvel::Font& Font() const { return font_; }
    void SetFont(const quorvel::Font& value) { Change(font_, value); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { Change(enabled_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Change(visible_, value); }
    bool Default() const { return default_; }
    void SetDefault(bool value) { Change(default_, value); }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int value) { modalResult_ = value; }
    const Bitmap& Glyph() const { return glyph_; }
    void SetGlyph(const Bitmap& value) { Change(glyph_, value); }
    ButtonLayout Layout() const { return layout_; }
    void SetLayout(ButtonLayout value) { Change(layout_, value); }
    int Margin() const { return margin_; }
    void SetMargin(int value) { Change(margin_, value); }
    int Spacing() const { return spacing_; }
    void SetSpacing(int value) { Change(spacing_, value); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetSize(int width, int height);

    bool Hot() const { return hot_; }
    bool EraseBackground() const { return eraseBackground_; }

    void MouseEnter();
    void MouseLeave();
    void FocusChanged() { Invalidate(); }
    // A click by mouse, space bar or program, as the system reports it.
    void Click() {
        if (owner_) owner_->Clicked(modalResult_);
    }

    // Paints the whole button into `canvas` (of the button's size).
    void Paint(Canvas& canvas, const ButtonDrawState& request);

  private:
    enum class DrawingState { kNormal, kPressed, kDisabled };

    template <typename T>
    void Change(T& field, const T& value) {
        if (field == value) return;
        field = value;
        Invalidate();
    }
    void Invalidate() {
        if (owner_) owner_->Invalidate();
    }
    static int Clamp16(int value) { return value < 0 ? 0 : value > 0xFFFF ? 0xFFFF : value; }
    int RadiusLimit() const { return height_ / 2 - 2 > 0 ? height_ / 2 - 2 : 0; }

    void FramePair(Canvas& canvas, Color a, Color b, const PixelRect& r, int cornerSize) const;
    void DrawFace(Canvas& canvas, bool pressed, int cornerSize) const;
    void DrawContent(Canvas& canvas, DrawingState state);

    XPBitBtnOwner* owner_;

    ButtonStyle styleButton_ = ButtonStyle::xpbbsbRoundRect;
    int radius_ = 2;
    bool gradient_ = true;
    int gradientSteps_ = kMaxGradientSteps;
    GradientMode gradientMode_ = GradientMode::fdTopToBottom;
    int gradientEffectEllipse_ = 3;
    GradientKind gradientKindEllipse_ = GradientKind::gkSmallAxis;
    bool externalFrame_ = true;
    bool grayInactive_ = true;
    bool glyphTransparent_ = true;
    bool flat_ = false;
    bool down_ = false;
    bool markBtnFocused_ = true;
    Color colorExternalFrameLeftTop_ = kClBtnShadow;
    Color colorExternalFrameRightBottom_ = kCl3DLight;
    Color colorFrameLeftTop_ = 8388608;  // navy
    Color colorFrameRightBottom_ = 8388608;
    Color colorInsideFrameStart_ = kWhite;
    Color colorInsideFrameEnd_ = kWhite;
    Color colorDefaultButtonStart_ = 16771513;
    Color colorDefaultButtonEnd_ = 16033024;
    Color colorFocusedButtonStart_ = 12644862;
    Color colorFocusedButtonEnd_ = 3652095;
    Color gradientStart_ = kWhite;
    Color gradientEnd_ = 13220020;

    std::string caption_;
    quorvel::Font font_;
    bool enabled_ = true;
    bool visible_ = true;
    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
    Bitmap glyph_;
    ButtonLayout layout_ = ButtonLayout::blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    int width_ = 75;
    int height_ = 25;

    bool hot_ = false;
    bool eraseBackground_ = false;
};

}  // namespace quorvel
