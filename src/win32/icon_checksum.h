#pragma once

#include <cstdint>
#include <vector>

#include "win32/handles.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {

// A checksum of an icon's size, pixels and mask: equal for two icons drawn from the same
// picture at the same size. 0 when the icon cannot be read. For the end-to-end tests, which
// compare what a window shows with the icon in quorvel.exe (a window's icon can only be read
// inside its own process everywhere).
inline std::uint32_t IconChecksum(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return 0;
    std::uint32_t hash = 2166136261u;  // FNV-1a
    auto add = [&hash](std::uint32_t value) {
        for (int i = 0; i < 4; ++i, value >>= 8) hash = (hash ^ (value & 0xFF)) * 16777619u;
    };
    // GetIconInfo hands over copies of the icon's bitmaps: owned here.
    const UniqueBitmap color(info.hbmColor);
    const UniqueBitmap mask(info.hbmMask);
    const UniqueWindowDc screen = WindowDcOf(nullptr);
    for (HBITMAP bitmap : {color.Get(), mask.Get()}) {
        BITMAP size{};
        if (!bitmap || !GetObjectW(bitmap, sizeof size, &size)) continue;
        BITMAPINFO format{};
        format.bmiHeader.biSize = sizeof format.bmiHeader;
        format.bmiHeader.biWidth = size.bmWidth;
        format.bmiHeader.biHeight = -size.bmHeight;
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        std::vector<std::uint32_t> pixels(std::size_t(size.bmWidth) * std::size_t(size.bmHeight));
        GetDIBits(screen.Get(), bitmap, 0, UINT(size.bmHeight), pixels.data(), &format, DIB_RGB_COLORS);
        add(std::uint32_t(size.bmWidth));
        add(std::uint32_t(size.bmHeight));
        for (std::uint32_t pixel : pixels) add(pixel);
    }
    return hash == 0 ? 1 : hash;
}

}  // namespace quorvel::win32
