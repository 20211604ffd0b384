#pragma once

#include <initializer_list>
#include <string_view>

#include "base/bitmap.h"

namespace quorvel {

// A small picture drawn from rows of text: 'X' is ink, anything else is transparent
// (kGlyphTransparent of the glyph buttons: magenta).
Bitmap GlyphFromRows(std::initializer_list<std::string_view> rows, Color ink = kBlack);

// The glyphs of the windows' small flat buttons.
Bitmap CloseGlyph();    // a cross
Bitmap HelpGlyph();     // a question mark
Bitmap BackGlyph();     // a triangle pointing left
Bitmap NextGlyph();     // a triangle pointing right
Bitmap CommentGlyph();  // three dots

}  // namespace quorvel
