#include "screen_capture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "support/window_wait.h"

namespace quorvel::e2e {

Screenshot CaptureScreen() {
    return CaptureRect({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

Screenshot CaptureRect(const RECT& area) {
    Screenshot shot;
    shot.width = area.right - area.left;
    shot.height = area.bottom - area.top;
    if (shot.width <= 0 || shot.height <= 0) return {};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = shot.width;
    info.bmiHeader.biHeight = -shot.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, shot.width, shot.height, screen, area.left, area.top,
           SRCCOPY | CAPTUREBLT);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    shot.rgb.resize(std::size_t(shot.width) * std::size_t(shot.height) * 3);
    for (std::size_t i = 0; i < std::size_t(shot.width) * std::size_t(shot.height); ++i) {
        shot.rgb[i * 3] = std::uint8_t(pixels[i] >> 16);
        shot.rgb[i * 3 + 1] = std::uint8_t(pixels[i] >> 8);
        shot.rgb[i * 3 + 2] = std::uint8_t(pixels[i]);
    }
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

namespace {

RECT ScreenRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

COLORREF PixelOf(const Screenshot& shot, int x, int y) {
    const std::uint8_t* p =
        &shot.rgb[(std::size_t(y) * std::size_t(shot.width) + std::size_t(x)) * 3];
    return RGB(p[0], p[1], p[2]);
}

int TallestPictureShown(HWND menu, COLORREF columnColour) {
    const Screenshot shot = CaptureRect(ScreenRectOf(menu));
    // The column: the columns of pixels mostly in its colour (the pictures' margins are).
    int left = -1, right = -1;
    for (int x = 0; x < shot.width; ++x) {
        int count = 0;
        for (int y = 0; y < shot.height; ++y) count += PixelOf(shot, x, y) == columnColour;
        if (2 * count < shot.height) continue;
        if (left < 0) left = x;
        right = x + 1;
    }
    int tallest = 0, run = 0;
    for (int y = 0; left >= 0 && y < shot.height; ++y) {
        bool drawn = false;
        for (int x = left; x < right; ++x) drawn = drawn || PixelOf(shot, x, y) != columnColour;
        // Rows outside the items (the menu's margins) are not the column's.
        run = drawn && PixelOf(shot, left, y) == columnColour ? run + 1 : 0;
        tallest = std::max(tallest, run);
    }
    return tallest;
}

}  // namespace

int TallestMenuPicture(HWND menu, COLORREF columnColour, int moreThan) {
    int tallest = 0;
    test_support::WaitUntil([&] {
        tallest = TallestPictureShown(menu, columnColour);
        return tallest > moreThan;
    });
    return tallest;
}

int InkHeight(HWND window, COLORREF ink) {
    const Screenshot shot = CaptureRect(ScreenRectOf(window));
    int first = -1, last = -1;
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            if (PixelOf(shot, x, y) != ink) continue;
            if (first < 0) first = y;
            last = y;
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

namespace {

std::uint32_t Crc(const std::string& bytes) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (unsigned char b : bytes) c = table[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void Put32(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += char((value >> shift) & 0xFF);
}

void Chunk(std::string& out, const char* type, const std::string& data) {
    Put32(out, std::uint32_t(data.size()));
    const std::string typed = std::string(type, 4) + data;
    out += typed;
    Put32(out, Crc(typed));
}

}  // namespace

bool WritePng(const std::filesystem::path& path, const Screenshot& picture) {
    std::string header;
    Put32(header, std::uint32_t(picture.width));
    Put32(header, std::uint32_t(picture.height));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, no interlace

    // Each row: filter type 0, then its pixels.
    std::string raw;
    const std::size_t stride = std::size_t(picture.width) * 3;
    for (int y = 0; y < picture.height; ++y) {
        raw += '\0';
        raw.append(reinterpret_cast<const char*>(picture.rgb.data()) + std::size_t(y) * stride,
                   stride);
    }
    std::string zlib("\x78\x01", 2);
    std::uint32_t a = 1, b = 0;
    for (unsigned char byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    for (std::size_t at = 0; at < raw.size() || at == 0; at += 65535) {
        const std::size_t length = std::min<std::size_t>(65535, raw.size() - at);
        const bool last = at + length >= raw.size();
        zlib += char(last ? 1 : 0);
        zlib += char(length & 0xFF);
        zlib += char(length >> 8);
        zlib += char(~length & 0xFF);
        zlib += char((~length >> 8) & 0xFF);
        zlib.append(raw, at, length);
        if (last) break;
    }
    Put32(zlib, (b << 16) | a);

    std::string png("\x89PNG\r\n\x1a\n", 8);
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", zlib);
    Chunk(png, "IEND", "");
    std::ofstream file(path, std::ios::binary);
    file.write(png.data(), std::streamsize(png.size()));
    return bool(file);
}

void SaveScreenshot(const std::string& name) {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // let the last paints land
    std::filesystem::create_directories(QUORVEL_ARTIFACTS_DIR);
    EXPECT_TRUE(
        WritePng(std::filesystem::path(QUORVEL_ARTIFACTS_DIR) / (name + ".png"), CaptureScreen()));
}

}  // namespace quorvel::e2e
