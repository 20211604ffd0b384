#pragma once

#include <string_view>
#include <utility>

#include "base/bitmap.h"
#include "base/font.h"
#include "base/geometry.h"
#include "base/system_colors.h"

namespace quorvel {

class TextRasterizer;

enum class PenStyle { kSolid, kClear };
enum class BrushStyle { kSolid, kClear };

struct Pen {
    Color color = kBlack;
    PenStyle style = PenStyle::kSolid;
};

struct Brush {
    Color color = kWhite;
    BrushStyle style = BrushStyle::kSolid;
};

// Formats of Canvas::WriteTextIn; the values are the system's, so a format crosses unchanged.
namespace text_format {
constexpr unsigned kLeft = 0x0;
constexpr unsigned kCenter = 0x1;
constexpr unsigned kRight = 0x2;
constexpr unsigned kVCenter = 0x4;  // with kSingleLine only
constexpr unsigned kBottom = 0x8;   // with kSingleLine only
constexpr unsigned kSingleLine = 0x20;
constexpr unsigned kNoClip = 0x100;
constexpr unsigned kCalcRect = 0x400;
constexpr unsigned kNoPrefix = 0x800;
}  // namespace text_format

// The pixels of a rounded rectangle on `row`: the half-open column range [first, second)
// (empty when first >= second). A pixel belongs to the shape when its centre lies inside
// the rectangle with its corners cut by quarter ellipses of the given full width and
// height (clamped to the rectangle's size); an ellipse is the corner size of the whole
// rectangle. Shared by the canvas and the gradient fills so bands follow the same outline.
std::pair<int, int> RoundRectSpan(const PixelRect& r, int cornerWidth, int cornerHeight, int row);

// Draws into a Bitmap with the rules of the system's drawing calls as the program uses
// them: rectangles exclude their right column and bottom row; shapes take an outline in
// the pen and a fill in the brush; a clear brush fills nothing; a clear pen leaves the
// shape one pixel narrower and shorter (as the system does). Colours may be system
// colours; they are resolved through the canvas's table when drawn. Drawing outside the
// bitmap changes nothing.
class Canvas {
  public:
    // `text` may be null: texts then measure 0 × 0 and draw nothing.
    explicit Canvas(Bitmap& target, TextRasterizer* text = nullptr,
                    const SystemColors& colors = SystemColors::Classic());

    Bitmap& Target() { return target_; }
    int Width() const { return target_.Width(); }
    int Height() const { return target_.Height(); }
    PixelRect Bounds() const { return {0, 0, target_.Width(), target_.Height()}; }
    Color Resolve(Color c) const { return colors_.Resolve(c); }

    void SetPen(const Pen& pen) { pen_ = pen; }
    void SetPen(Color color, PenStyle style = PenStyle::kSolid) { pen_ = {color, style}; }
    void SetBrush(const Brush& brush) { brush_ = brush; }
    void SetBrush(Color color, BrushStyle style = BrushStyle::kSolid) { brush_ = {color, style}; }
    void SetBrushStyle(BrushStyle style) { brush_.style = style; }
    void SetFont(const Font& font) { font_ = font; }
    void SetFontColor(Color color) { font_.color = color; }
    const Pen& CurrentPen() const { return pen_; }
    const Brush& CurrentBrush() const { return brush_; }
    const Font& CurrentFont() const { return font_; }

    Color Pixel(int x, int y) const { return target_.Pixel(x, y); }
    void SetPixel(int x, int y, Color c) { target_.SetPixel(x, y, Resolve(c)); }

    void FillRect(const PixelRect& r);  // with the brush
    void FillRect(const PixelRect& r, Color c);
    void Rectangle(const PixelRect& r);
    void RoundRect(const PixelRect& r, int cornerWidth, int cornerHeight);
    void Ellipse(const PixelRect& r);
    // Lines leave out their last point, as the system's do.
    void MoveTo(int x, int y) { penPosition_ = {x, y}; }
    void LineTo(int x, int y);

    void Draw(int x, int y, const Bitmap& picture);
    // Pixels of `transparent` colour are left out.
    void DrawTransparent(int x, int y, const Bitmap& picture, Color transparent);

    // The dotted focus frame: every other pixel on the rectangle's border (those whose
    // x + y is even) is inverted, so drawing it twice removes it.
    void DrawFocusRect(const PixelRect& r);

    Size TextExtent(std::string_view text);
    int TextWidth(std::string_view text) { return TextExtent(text).width; }
    int TextHeight(std::string_view text) { return TextExtent(text).height; }
    // One line at (x, y) in the font colour; behind it the text's cell in the brush colour
    // unless the brush is clear.
    void WriteText(int x, int y, std::string_view text);
    // The system's formatted text: lines broken at CR and LF (unless kSingleLine), "&"
    // underlines the next character and "&&" shows one "&" (unless kNoPrefix), aligned
    // by the format and clipped to `r` (unless kNoClip). With kCalcRect nothing is drawn
    // and `r` gets the size the text takes. Returns the height of the text.
    int WriteTextIn(std::string_view text, PixelRect& r, unsigned format);

  private:
    void FillShape(const PixelRect& r, int cornerWidth, int cornerHeight);
    void WriteTextClipped(int x, int y, std::string_view text, const PixelRect* clip);
    void HorizontalLine(int x1, int x2, int y, Color c, const PixelRect* clip);

    Bitmap& target_;
    TextRasterizer* text_;
    const SystemColors& colors_;
    Pen pen_;
    Brush brush_;
    Font font_;
    Point penPosition_;
};

}  // namespace quorvel
