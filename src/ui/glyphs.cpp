#include "ui/glyphs.h"

#include <algorithm>

#include "platform/controls.h"

namespace quorvel {

Bitmap GlyphFromRows(std::initializer_list<std::string_view> rows, Color ink) {
    std::size_t width = 0;
    for (std::string_view row : rows) width = std::max(width, row.size());
    Bitmap glyph(int(width), int(rows.size()), kGlyphTransparent);
    int y = 0;
    for (std::string_view row : rows) {
        for (std::size_t x = 0; x < row.size(); ++x)
            if (row[x] == 'X') glyph.SetPixel(int(x), y, ink);
        ++y;
    }
    return glyph;
}

Bitmap CloseGlyph() {
    return GlyphFromRows(
        {"XX    XX", " XX  XX ", "  XXXX  ", "   XX   ", "  XXXX  ", " XX  XX ", "XX    XX"});
}

Bitmap HelpGlyph() {
    return GlyphFromRows({" XXXX ", "XX  XX", "    XX", "   XX ", "  XX  ", "      ", "  XX  "});
}

Bitmap BackGlyph() {
    return GlyphFromRows({"   X", "  XX", " XXX", "XXXX", " XXX", "  XX", "   X"});
}

Bitmap NextGlyph() {
    return GlyphFromRows({"X   ", "XX  ", "XXX ", "XXXX", "XXX ", "XX  ", "X   "});
}

Bitmap CommentGlyph() {
    return GlyphFromRows({"XX  XX  XX", "XX  XX  XX"});
}

}  // namespace quorvel
