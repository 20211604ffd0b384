#include "win32/bitmap_conversion.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace quorvel::win32 {

namespace {

// Top-down 32-bit: each pixel 0xAARRGGBB, the reverse channel order of the program's Color.
BITMAPINFO TopDownInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

std::uint32_t ToDib(Color color, std::uint32_t alpha) {
    return (alpha << 24) | (std::uint32_t(RedOf(color)) << 16) |
           (std::uint32_t(GreenOf(color)) << 8) | BlueOf(color);
}

// A DIB section holding the picture; `transparent` pixels get alpha 0 (and black, as
// premultiplied alpha wants).
UniqueBitmap DibSection(const Bitmap& bitmap, const Color* transparent) {
    BITMAPINFO info = TopDownInfo(bitmap.Width(), bitmap.Height());
    void* bits = nullptr;
    const UniqueWindowDc screen = WindowDcOf(nullptr);
    UniqueBitmap dib(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !bits) return {};
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (std::size_t i = 0; i < bitmap.Pixels().size(); ++i) {
        const Color color = bitmap.Pixels()[i];
        pixels[i] = transparent && color == *transparent ? 0 : ToDib(color, 0xFF);
    }
    return dib;
}

}  // namespace

void DrawBitmap(HDC dc, const Bitmap& bitmap, int x, int y) {
    if (bitmap.Empty()) return;
    // The system reads the picture's own pixels, told where each colour lies in them: no
    // copy of the picture is made at each paint (a skin can be 4096 x 4096 pixels).
    struct {
        BITMAPINFOHEADER header;
        DWORD masks[3];
    } info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = bitmap.Width();
    info.header.biHeight = -bitmap.Height();
    info.header.biPlanes = 1;
    info.header.biBitCount = 32;
    info.header.biCompression = BI_BITFIELDS;
    info.masks[0] = Rgb(0xFF, 0, 0);
    info.masks[1] = Rgb(0, 0xFF, 0);
    info.masks[2] = Rgb(0, 0, 0xFF);
    static_assert(sizeof(Color) == sizeof(DWORD));
    SetDIBitsToDevice(dc, x, y, DWORD(bitmap.Width()), DWORD(bitmap.Height()), 0, 0, 0,
                      UINT(bitmap.Height()), bitmap.Pixels().data(),
                      reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS);
}

UniqueIcon IconFromBitmap(const Bitmap& bitmap, Color transparent) {
    if (bitmap.Empty()) return {};
    UniqueBitmap color = DibSection(bitmap, &transparent);
    // The mask: 1 where the icon is see-through. Rows are padded to 16 bits.
    const int stride = ((bitmap.Width() + 15) / 16) * 2;
    std::vector<std::uint8_t> maskBits(std::size_t(stride) * std::size_t(bitmap.Height()), 0);
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Pixel(x, y) == transparent)
                maskBits[std::size_t(y * stride + x / 8)] |= std::uint8_t(0x80 >> (x % 8));
    UniqueBitmap mask(CreateBitmap(bitmap.Width(), bitmap.Height(), 1, 1, maskBits.data()));
    if (!color || !mask) return {};
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = color.Get();
    info.hbmMask = mask.Get();
    return UniqueIcon(CreateIconIndirect(&info));
}

}  // namespace quorvel::win32
