#pragma once

#include <string>

#include "base/bitmap.h"
#include "base/system_colors.h"

namespace quorvel {

// A font as controls describe it. `height` follows the system's convention: negative is
// the character height in pixels, positive the cell height, 0 the default.
struct Font {
    std::string name = "MS Sans Serif";
    int height = -11;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    Color color = kClWindowText;
    int charset = 1;  // the system's default character set

    // The height of a font of `points` points on a screen of `dpi` dots per inch.
    static int HeightForPoints(int points, int dpi = 96) {
        const long long scaled = (long long)points * dpi;
        return -int((scaled + 36) / 72);
    }

    bool operator==(const Font&) const = default;
};

}  // namespace quorvel
