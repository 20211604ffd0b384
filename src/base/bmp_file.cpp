#include "base/bmp_file.h"

#include <cstdint>

namespace quorvel {

namespace {

void Put16(std::string& out, std::uint32_t value) {
    out += char(value & 0xFF);
    out += char((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

}  // namespace

std::string EncodeBmp(const Bitmap& picture) {
    constexpr std::uint32_t kHeaderSize = 14 + 40;
    const std::uint32_t width = std::uint32_t(picture.Width());
    const std::uint32_t height = std::uint32_t(picture.Height());
    const std::uint32_t stride = (width * 3 + 3) & ~3u;
    const std::uint32_t imageSize = stride * height;

    std::string out;
    out.reserve(kHeaderSize + imageSize);
    out += "BM";
    Put32(out, kHeaderSize + imageSize);
    Put32(out, 0);
    Put32(out, kHeaderSize);
    Put32(out, 40);
    Put32(out, width);
    Put32(out, height);
    Put16(out, 1);   // planes
    Put16(out, 24);  // bits per pixel
    Put32(out, 0);   // no compression
    Put32(out, imageSize);
    Put32(out, 2835);  // 72 dots per inch
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = int(height) - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < int(width); ++x) {
            const Color c = picture.Pixel(x, y);
            out += char(BlueOf(c));
            out += char(GreenOf(c));
            out += char(RedOf(c));
            written += 3;
        }
        for (; written < stride; ++written) out += '\0';
    }
    return out;
}

}  // namespace quorvel
