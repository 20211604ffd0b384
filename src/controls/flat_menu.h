#pragma once

#include <vector>

#include "base/bitmap.h"
#include "base/display_scale.h"
#include "base/geometry.h"
#include "base/system_colors.h"

namespace quorvel {

class TXPBitBtn;

// The colours of the flat popup menus, from the gradient push button's palette, so that
// the menus look like the rest of the program's styled controls.
struct FlatMenuColors {
    Color face;           // the items' background: the button's light end
    Color imageColumn;    // the strip behind the pictures: halfway to the button's dark end
    Color selectedFill;   // the selected item: the button's hot colour
    Color selectedFrame;  // its one-pixel frame: the button's frame colour
    Color separator;      // the button's dark end
    Color text;
    Color disabledText;

    // Colours as plain red, green, blue (system colours resolved through `system`).
    static FlatMenuColors Of(const TXPBitBtn& button,
                             const SystemColors& system = SystemColors::Classic());
};

// One item as the menu shows it now.
struct FlatMenuItem {
    bool separator = false;
    bool isDefault = false;  // its caption is bold
    bool enabled = true;
    bool selected = false;
    bool hasImage = false;
    bool hasSubmenu = false;
};

namespace flat_menu {
constexpr int kImageSize = 16;
constexpr int kImageColumnWidth = 24;
constexpr int kTextGap = 6;  // from the image column to the caption
constexpr int kArrowColumnWidth = 16;
constexpr int kSeparatorHeight = 7;
constexpr int kTextPadding = 3;  // above and below the caption
constexpr int kMinItemHeight = kImageSize + 2 * kTextPadding;
constexpr int kArrowRows = 7;  // a right-pointing triangle, 4 columns at its widest
// The sizes the program's menu pictures come in, each drawn for its size (100 % to 200 %).
constexpr int kPictureSizes[] = {16, 20, 24, 32};
}  // namespace flat_menu

// The menu's figures on a display: the design's (above) at 96 DPI; elsewhere each scaled
// by the one rule, with the picture at the ready-drawn size that display asks for and the
// image column wide enough for it.
struct FlatMenuMetrics {
    int imageSize = flat_menu::kImageSize;
    int imageColumnWidth = flat_menu::kImageColumnWidth;
    int textGap = flat_menu::kTextGap;
    int arrowColumnWidth = flat_menu::kArrowColumnWidth;
    int separatorHeight = flat_menu::kSeparatorHeight;
    int separatorLine = 1;
    int textPadding = flat_menu::kTextPadding;
    int arrowRows = flat_menu::kArrowRows;

    int MinItemHeight() const { return imageSize + 2 * textPadding; }
    static FlatMenuMetrics At(DisplayScale scale);
    bool operator==(const FlatMenuMetrics&) const = default;
};

// The size an item asks for, given its caption's size in the menu font (bold for the
// default item).
Size FlatMenuItemSize(const FlatMenuItem& item, Size textSize, const FlatMenuMetrics& metrics = {});

// How one item is painted into its rectangle: the rectangles are filled in order, each over
// the ones before; then the picture and the caption are drawn over them.
struct FlatMenuPaint {
    struct Fill {
        PixelRect rect;
        Color color;
        bool operator==(const Fill&) const = default;
    };
    std::vector<Fill> fills;
    PixelRect image;  // the metrics' imageSize square; empty when the item shows no picture
    bool imageGrayed = false;
    PixelRect text;  // the caption, left-aligned and centred vertically; empty for a separator
    Color textColor = kBlack;
    bool bold = false;
    // Where a submenu's arrow is drawn (empty without a submenu); the system's own arrow must
    // not be painted there afterwards.
    PixelRect arrowColumn;
};

FlatMenuPaint PlanFlatMenuItem(const FlatMenuItem& item, const PixelRect& bounds,
                               const FlatMenuColors& colors, const FlatMenuMetrics& metrics = {});

// A disabled item's picture: every pixel but the transparent ones faded to a light grey of
// its own brightness.
Bitmap GrayedPicture(const Bitmap& picture, Color transparent);

}  // namespace quorvel
