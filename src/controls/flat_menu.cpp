#include "controls/flat_menu.h"

#include <algorithm>
#include <cstdlib>

#include "controls/xp_bit_btn.h"

namespace quorvel {

namespace {

using namespace flat_menu;

// `base` moved `part` of the way (in 256ths) toward `other`, channel by channel.
Color Mix(Color base, Color other, int part) {
    auto channel = [&](int a, int b) { return std::uint8_t(a + (b - a) * part / 256); };
    return Rgb(channel(RedOf(base), RedOf(other)), channel(GreenOf(base), GreenOf(other)),
               channel(BlueOf(base), BlueOf(other)));
}

void AddArrow(FlatMenuPaint& paint, const PixelRect& column, Color color, int rows) {
    const int left = column.left + (column.Width() - (rows + 1) / 2) / 2;
    const int top = column.top + (column.Height() - rows) / 2;
    for (int row = 0; row < rows; ++row) {
        const int width = (rows + 1) / 2 - std::abs(row - rows / 2);
        paint.fills.push_back({{left, top + row, left + width, top + row + 1}, color});
    }
}

}  // namespace

FlatMenuColors FlatMenuColors::Of(const TXPBitBtn& button, const SystemColors& system) {
    const Color light = system.Resolve(button.GradientStart());
    const Color dark = system.Resolve(button.GradientEnd());
    return {.face = Mix(light, dark, 16),
            .imageColumn = Mix(light, dark, 128),
            .selectedFill = system.Resolve(button.ColorFocusedButtonStart()),
            .selectedFrame = system.Resolve(button.ColorFrameLeftTop()),
            .separator = dark,
            .text = system.Resolve(kClBtnText),
            .disabledText = system.Resolve(kClGrayText)};
}

FlatMenuMetrics FlatMenuMetrics::At(DisplayScale scale) {
    FlatMenuMetrics m;
    m.imageSize = scale.PictureSize(kImageSize, kPictureSizes);
    // The design's margin on either side of the picture, whatever size it came in.
    m.imageColumnWidth = std::max(scale.Of(kImageColumnWidth),
                                  m.imageSize + scale.Of(kImageColumnWidth - kImageSize));
    m.textGap = scale.Of(kTextGap);
    m.arrowColumnWidth = scale.Of(kArrowColumnWidth);
    m.separatorHeight = scale.Of(kSeparatorHeight);
    m.separatorLine = scale.Of(1);
    m.textPadding = scale.Of(kTextPadding);
    m.arrowRows = scale.Of(kArrowRows) | 1;  // odd, so the triangle has one tip row
    return m;
}

Size FlatMenuItemSize(const FlatMenuItem& item, Size textSize, const FlatMenuMetrics& m) {
    if (item.separator) return {m.imageColumnWidth + m.textGap, m.separatorHeight};
    return {m.imageColumnWidth + m.textGap + std::max(0, textSize.width) + m.arrowColumnWidth,
            std::max(m.MinItemHeight(), textSize.height + 2 * m.textPadding)};
}

FlatMenuPaint PlanFlatMenuItem(const FlatMenuItem& item, const PixelRect& bounds,
                               const FlatMenuColors& colors, const FlatMenuMetrics& m) {
    FlatMenuPaint paint;
    const PixelRect column{bounds.left, bounds.top,
                           std::min(bounds.right, bounds.left + m.imageColumnWidth), bounds.bottom};
    const int textLeft = column.right + m.textGap;

    if (item.selected && !item.separator) {
        // The whole item, image column included, framed like a hot button.
        paint.fills.push_back({bounds, colors.selectedFrame});
        paint.fills.push_back(
            {bounds.Inflated(-1, -1), item.enabled ? colors.selectedFill : colors.face});
    } else {
        paint.fills.push_back({bounds, colors.face});
        paint.fills.push_back({column, colors.imageColumn});
    }

    if (item.separator) {
        const int y = bounds.top + (bounds.Height() - m.separatorLine + 1) / 2;
        paint.fills.push_back({{textLeft, y, bounds.right, y + m.separatorLine}, colors.separator});
        return paint;
    }

    if (item.hasImage) {
        const int x = column.left + (column.Width() - m.imageSize) / 2;
        const int y = bounds.top + (bounds.Height() - m.imageSize) / 2;
        paint.image = {x, y, x + m.imageSize, y + m.imageSize};
        paint.imageGrayed = !item.enabled;
    }
    paint.textColor = item.enabled ? colors.text : colors.disabledText;
    paint.bold = item.isDefault;
    paint.text = {textLeft, bounds.top, std::max(textLeft, bounds.right - m.arrowColumnWidth),
                  bounds.bottom};
    if (item.hasSubmenu) {
        paint.arrowColumn = {paint.text.right, bounds.top, bounds.right, bounds.bottom};
        AddArrow(paint, paint.arrowColumn.Inflated(-1, -1), paint.textColor, m.arrowRows);
    }
    return paint;
}

Bitmap GrayedPicture(const Bitmap& picture, Color transparent) {
    Bitmap grayed = picture;
    for (Color& pixel : grayed.Pixels()) {
        if (pixel == transparent) continue;
        const int luminance = (RedOf(pixel) * 77 + GreenOf(pixel) * 150 + BlueOf(pixel) * 29) / 256;
        // Faded into the upper half of the scale: a grey shape that still shows its detail.
        const auto level = std::uint8_t(128 + luminance / 2);
        pixel = Rgb(level, level, level);
    }
    return grayed;
}

}  // namespace quorvel
