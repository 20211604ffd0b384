#pragma once

#include <cstdint>
#include <vector>

namespace quorvel {

// A colour as the program stores it: red in the lowest byte, then green, then blue
// (the layout of the system's colour values, so a value crosses to the OS unchanged).
using Color = std::uint32_t;

constexpr Color Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Color(red) | (Color(green) << 8) | (Color(blue) << 16);
}
constexpr std::uint8_t RedOf(Color c) {
    return std::uint8_t(c & 0xFF);
}
constexpr std::uint8_t GreenOf(Color c) {
    return std::uint8_t((c >> 8) & 0xFF);
}
constexpr std::uint8_t BlueOf(Color c) {
    return std::uint8_t((c >> 16) & 0xFF);
}

constexpr Color kBlack = Rgb(0, 0, 0);
constexpr Color kWhite = Rgb(255, 255, 255);

// A 24-bit picture held in memory, top row first. Pixel access outside the picture
// reads as black and writes nothing, so no drawing routine can corrupt memory.
class Bitmap {
  public:
    Bitmap() = default;
    Bitmap(int width, int height, Color fill = kWhite) { Resize(width, height, fill); }

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    void Resize(int width, int height, Color fill = kWhite) {
        width_ = width > 0 ? width : 0;
        height_ = height > 0 ? height : 0;
        pixels_.assign(std::size_t(width_) * std::size_t(height_), fill);
    }

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Color Pixel(int x, int y) const {
        return Contains(x, y) ? pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)]
                              : kBlack;
    }
    void SetPixel(int x, int y, Color c) {
        if (Contains(x, y)) pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = c;
    }

    const std::vector<Color>& Pixels() const { return pixels_; }
    std::vector<Color>& Pixels() { return pixels_; }

    bool operator==(const Bitmap&) const = default;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Color> pixels_;
};

}  // namespace quorvel
