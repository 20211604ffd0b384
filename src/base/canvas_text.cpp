// Text on the canvas: one-line output and the system's formatted text layout.
#include <algorithm>
#include <string>
#include <vector>

#include "base/canvas.h"
#include "base/text_rasterizer.h"

namespace quorvel {

namespace {

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// Bytes of the character starting at `at`: a UTF-8 sequence when one starts there,
// otherwise one byte (ANSI text).
std::size_t CharacterLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    }
    if (at + length > text.size()) return 1;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 1;
    }
    return length;
}

struct Line {
    std::string text;
    // The underlined character (byte offset and length in `text`); none when length is 0.
    std::size_t prefixAt = 0;
    std::size_t prefixLength = 0;
};

std::vector<Line> SplitLines(std::string_view text, unsigned format) {
    using namespace text_format;
    std::vector<Line> lines;
    std::size_t i = 0;
    for (;;) {
        Line line;
        while (i < text.size() && ((format & kSingleLine) || !IsLineBreak(text[i]))) {
            const bool prefix = !(format & kNoPrefix) && text[i] == '&' && i + 1 < text.size() &&
                                !IsLineBreak(text[i + 1]);
            if (prefix && text[i + 1] == '&') {
                line.text += '&';
                i += 2;
            } else if (prefix) {
                ++i;
                line.prefixAt = line.text.size();
                line.prefixLength = CharacterLength(text, i);
                line.text.append(text.substr(i, line.prefixLength));
                i += line.prefixLength;
            } else {
                line.text += text[i++];
            }
        }
        lines.push_back(std::move(line));
        if (i >= text.size()) break;
        // CR LF and LF CR each end one line.
        const char first = text[i++];
        if (i < text.size() && IsLineBreak(text[i]) && text[i] != first) ++i;
        if (i >= text.size()) break;
    }
    return lines;
}

}  // namespace

Size Canvas::TextExtent(std::string_view text) {
    return text_ ? text_->Measure(font_, text) : Size{};
}

void Canvas::WriteText(int x, int y, std::string_view text) {
    WriteTextClipped(x, y, text, nullptr);
}

void Canvas::WriteTextClipped(int x, int y, std::string_view text, const PixelRect* clip) {
    if (!text_) return;
    const PixelRect area = clip ? clip->Intersect(Bounds()) : Bounds();
    const Size size = text_->Measure(font_, text);
    if (brush_.style == BrushStyle::kSolid) {
        FillRect(PixelRect{x, y, x + size.width, y + size.height}.Intersect(area), brush_.color);
    }
    const TextMask mask = text_->Rasterize(font_, text);
    const Color ink = Resolve(font_.color);
    for (int row = 0; row < mask.height; ++row) {
        for (int column = 0; column < mask.width; ++column) {
            if (mask.Ink(column, row) && area.Contains(x + column, y + row)) {
                target_.SetPixel(x + column, y + row, ink);
            }
        }
    }
}

void Canvas::HorizontalLine(int x1, int x2, int y, Color c, const PixelRect* clip) {
    PixelRect line{x1, y, x2, y + 1};
    if (clip) line = line.Intersect(*clip);
    FillRect(line, c);
}

int Canvas::WriteTextIn(std::string_view text, PixelRect& r, unsigned format) {
    using namespace text_format;
    const TextMetrics metrics = text_ ? text_->Metrics(font_) : TextMetrics{};
    const int lineHeight = metrics.height;
    if (text.empty()) {
        if (format & kCalcRect) {
            r.right = r.left;
            r.bottom = r.top + ((format & kSingleLine) ? lineHeight : 0);
        }
        return lineHeight;
    }
    if (format & kCalcRect) format |= kNoClip;
    const PixelRect* clip = (format & kNoClip) ? nullptr : &r;

    int y = r.top;
    int widest = 0;
    for (const Line& line : SplitLines(text, format)) {
        // Without kNoClip, the line that reaches past the bottom is the last one drawn.
        const bool lastLine = !(format & kNoClip) && y + lineHeight > r.bottom;
        const Size size = TextExtent(line.text);
        int x = r.left;
        if (format & kCenter) {
            x = (r.left + r.right - size.width) / 2;
        } else if (format & kRight) {
            x = r.right - size.width;
        }
        if (format & kSingleLine) {
            if (format & kVCenter) {
                y = r.top + (r.bottom - r.top) / 2 - size.height / 2;
            } else if (format & kBottom) {
                y = r.bottom - size.height;
            }
        }
        if (format & kCalcRect) {
            widest = std::max(widest, size.width);
        } else {
            WriteTextClipped(x, y, line.text, clip);
            if (line.prefixLength > 0) {
                const int from =
                    x + TextWidth(std::string_view(line.text).substr(0, line.prefixAt));
                const int to = x +
                               TextWidth(std::string_view(line.text).substr(
                                   0, line.prefixAt + line.prefixLength)) -
                               1;
                HorizontalLine(from, to, y + metrics.ascent + 1, font_.color, clip);
            }
        }
        y += lineHeight;
        if (lastLine) break;
    }
    if (format & kCalcRect) {
        r.right = r.left + widest;
        r.bottom = y;
    }
    const int height = y - r.top;
    return height == 0 ? 1 : height;
}

}  // namespace quorvel
