#include "skin/skin_drawing.h"

#include "skin/skin_shape.h"

namespace quorvel {

void DrawTransparentText(Canvas& canvas, int x, int y, std::string_view text) {
    const BrushStyle kept = canvas.CurrentBrush().style;
    canvas.SetBrushStyle(BrushStyle::kClear);
    canvas.WriteText(x, y, text);
    canvas.SetBrushStyle(kept);
}

int CentredTextX(std::string_view text, Canvas& canvas, int windowWidth) {
    // Both halvings truncate toward zero, as integer division does.
    return windowWidth / 2 - canvas.TextWidth(text) / 2;
}

PictureText::PictureText(Canvas& canvas, DisplayScale scale, Font designFont)
    : canvas_(canvas), scale_(scale) {
    designFont.height = scale.FontHeight(designFont.height);
    canvas_.SetFont(designFont);
}

void PictureText::Draw(int x, int y, std::string_view text) {
    DrawTransparentText(canvas_, scale_.Of(x), scale_.Of(y), text);
}

int PictureText::CentredX(std::string_view text, int windowWidth) {
    return scale_.ToDesign(CentredTextX(text, canvas_, windowWidth));
}

void BlendButtonFrame(TXPBitBtn& button, const LayoutRect& bounds, const Bitmap& picture) {
    auto pixelOr = [&](int x, int y, Color fallback) {
        return picture.Contains(x, y) ? picture.Pixel(x, y) : fallback;
    };
    button.SetColorExternalFrameLeftTop(
        pixelOr(bounds.left, bounds.top, button.ColorExternalFrameLeftTop()));
    button.SetColorExternalFrameRightBottom(pixelOr(bounds.left + bounds.width,
                                                    bounds.top + bounds.height,
                                                    button.ColorExternalFrameRightBottom()));
}

void WindowDrag::MouseDown(MouseButton button, Point at) {
    if (button != MouseButton::kLeft) return;
    dragging_ = true;
    anchor_ = at;
}

void WindowDrag::MouseMove(Point at, Form& window) {
    if (!dragging_) return;
    const Point position = window.Position();
    window.SetPosition({position.x + at.x - anchor_.x, position.y + at.y - anchor_.y});
}

void WindowDrag::Attach(Picture& picture, Form& window) {
    picture.SetOnMouseDown([this](MouseButton button, Point at) { MouseDown(button, at); });
    picture.SetOnMouseMove([this, &window](Point at) { MouseMove(at, window); });
    picture.SetOnMouseUp([this](MouseButton, Point) { MouseUp(); });
}

}  // namespace quorvel
