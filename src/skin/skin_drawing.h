#pragma once

#include <string_view>
#include <vector>

#include "base/canvas.h"
#include "base/display_scale.h"
#include "controls/xp_bit_btn.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace quorvel {

// Draws one line of text with its top-left corner at (x, y) and nothing behind it; the
// canvas keeps its brush style.
void DrawTransparentText(Canvas& canvas, int x, int y, std::string_view text);

// Where a text starts so that it is centred on a window of `windowWidth` (its outer width).
int CentredTextX(std::string_view text, Canvas& canvas, int windowWidth);

// Texts on a window's picture, placed by design figures and drawn in a font scaled to the
// display, so they stay sharp and keep their places at every scale.
class PictureText {
  public:
    PictureText(Canvas& canvas, DisplayScale scale, Font designFont);

    // One line with nothing behind it, its top-left corner at the design point (x, y).
    void Draw(int x, int y, std::string_view text);
    // The design column where a text starts so that it is centred on a window
    // `windowWidth` pixels wide.
    int CentredX(std::string_view text, int windowWidth);

  private:
    Canvas& canvas_;
    DisplayScale scale_;
};

// Tints a button's outer frame with the picture beneath it: the top and left edges take
// the pixel at the button's top-left corner, the bottom and right edges the pixel just
// outside its bottom-right corner.
void BlendButtonFrame(TXPBitBtn& button, const LayoutRect& bounds, const Bitmap& picture);

// Moving a borderless window by dragging its picture with the left mouse button.
class WindowDrag {
  public:
    void MouseDown(MouseButton button, Point at);
    // `at` is in picture coordinates, which move with the window.
    void MouseMove(Point at, Form& window);
    void MouseUp() { dragging_ = false; }
    bool Dragging() const { return dragging_; }

    // Connects the drag to a window's picture.
    void Attach(Picture& picture, Form& window);

  private:
    bool dragging_ = false;
    Point anchor_;
};

}  // namespace quorvel
