#include "controls/xp_label.h"

#include <optional>

namespace quorvel {

namespace {

// The character starting at `at` and its length in bytes: a UTF-8 sequence when one
// starts there, otherwise the single byte.
std::pair<char32_t, std::size_t> Decode(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    char32_t value = lead;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
    }
    if (length == 1 || at + length > text.size()) return {lead, 1};
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return {lead, 1};
        value = (value << 6) | (next & 0x3F);
    }
    return {value, length};
}

// Lower case for the letters captions use: Latin, Latin-1 and Cyrillic.
char32_t Fold(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c >= 0x410 && c <= 0x42F) return c + 32;
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    return c;
}

std::optional<char32_t> Accelerator(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;  // "&&" shows one "&"
            continue;
        }
        return Decode(caption, i + 1).first;
    }
    return std::nullopt;
}

}  // namespace

void TXPLabel::SetCaption(const std::string& value) {
    caption_ = value;
    Invalidate();
}

void TXPLabel::SetFont(const quorvel::Font& value) {
    font_ = value;
    Invalidate();
}

void TXPLabel::SetSize(int width, int height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    Invalidate();
}

void TXPLabel::Paint(Canvas& canvas) {
    if (!visible_) return;
    // Measured in the label's own font, so the first paint already sizes it right.
    canvas.SetFont(font_);
    if (autoSize_) {
        const Size text = canvas.TextExtent(caption_);
        const int width = text.width + offset_;
        const int height = text.height + offset_;
        if (width != width_ || height != height_) {
            width_ = width;
            height_ = height;
            if (owner_) owner_->Resized(width_, height_);
        }
    }

    canvas.SetBrushStyle(BrushStyle::kClear);
    unsigned format = text_format::kLeft;
    int shift = 0;
    if (captionAlignment_ == TCaptionAlignment::caRight) {
        format = text_format::kRight;
        shift = offset_;
    } else if (captionAlignment_ == TCaptionAlignment::caCenter) {
        format = text_format::kCenter;
        shift = offset_ / 2;
    }

    canvas.SetFontColor(backgroundColor_);
    PixelRect shadow{offset_, offset_, width_, height_};
    canvas.WriteTextIn(caption_, shadow, format);

    canvas.SetFontColor(foregroundColor_);
    PixelRect caption{-shift, 0, width_ - shift, height_};
    canvas.WriteTextIn(caption_, caption, format);
}

bool TXPLabel::IsAccelerator(char32_t character) const {
    const auto accelerator = Accelerator(caption_);
    return accelerator && Fold(*accelerator) == Fold(character);
}

}  // namespace quorvel
