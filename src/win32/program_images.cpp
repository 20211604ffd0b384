#include "win32/program_images.h"

#include <cstdint>
#include <string>
#include <utility>

#include "platform/controls.h"
#include "win32/check_box_resources.h"

namespace quorvel::win32 {

namespace {

constexpr int kCell = 16;  // the image list's pictures are 16 x 16

// The tray's size first (a larger icon where the screen wants one); the menus scale down.
UniqueIcon LoadIconResource(HINSTANCE module, const std::wstring& name, int size = 0) {
    const int width = size ? size : GetSystemMetrics(SM_CXSMICON);
    const int height = size ? size : GetSystemMetrics(SM_CYSMICON);
    return UniqueIcon(static_cast<HICON>(
        LoadImageW(module, name.c_str(), IMAGE_ICON, width, height, LR_DEFAULTCOLOR)));
}

std::wstring FrameName(int frame) {
    return L"TRAY_ANIM_" + std::to_wstring(frame / 10) + std::to_wstring(frame % 10);
}

std::vector<std::uint32_t> Pixels32(HBITMAP bitmap, int width, int height) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(std::size_t(width) * std::size_t(height));
    const UniqueWindowDc screen = WindowDcOf(nullptr);
    if (GetDIBits(screen.Get(), bitmap, 0, UINT(height), pixels.data(), &format, DIB_RGB_COLORS) !=
        height)
        pixels.clear();
    return pixels;
}

}  // namespace

Bitmap PictureOfIcon(HICON icon, Color transparent) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return {};
    UniqueBitmap color(info.hbmColor);
    UniqueBitmap mask(info.hbmMask);
    BITMAP format{};
    if (!color || !GetObjectW(color.Get(), sizeof format, &format)) return {};
    const int width = format.bmWidth, height = format.bmHeight;
    const std::vector<std::uint32_t> pixels = Pixels32(color.Get(), width, height);
    if (pixels.empty()) return {};
    bool hasAlpha = false;
    for (std::uint32_t pixel : pixels) hasAlpha = hasAlpha || (pixel >> 24) != 0;
    // Without alpha the mask tells: white where the icon is see-through.
    const std::vector<std::uint32_t> maskPixels =
        hasAlpha ? std::vector<std::uint32_t>{} : Pixels32(mask.Get(), width, height);

    Bitmap picture(width, height, transparent);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(width) + std::size_t(x);
            const std::uint32_t bgra = pixels[i];
            const bool opaque = hasAlpha ? (bgra >> 24) >= 0x80
                                         : i < maskPixels.size() && (maskPixels[i] & 0xFFFFFF) == 0;
            if (opaque)
                picture.SetPixel(x, y, Rgb((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF));
        }
    }
    return picture;
}

const std::vector<ProgramImage>& ProgramImages::ImageList() {
    if (std::exchange(listLoaded_, true)) return imageList_;
    // The keyed strip for the core, each cell with its icon.
    if (std::optional<Bitmap> strip = LoadBitmapResource(L"IMAGELIST")) {
        for (int index = 0; index < strip->Width() / kCell; ++index) {
            Bitmap cell(kCell, kCell);
            for (int y = 0; y < kCell; ++y)
                for (int x = 0; x < kCell; ++x)
                    cell.SetPixel(x, y, strip->Pixel(index * kCell + x, y));
            imageList_.push_back({std::move(cell), UniqueIcon()});  // its icon: IconOf
        }
    }
    return imageList_;
}

const std::vector<ProgramImage>& ProgramImages::AnimationFrames() {
    if (std::exchange(framesLoaded_, true)) return frames_;
    // As many frames as there are, in order.
    for (int frame = 0;; ++frame) {
        UniqueIcon icon = LoadIconResource(module_, FrameName(frame));
        if (!icon) break;
        UniqueIcon small = LoadIconResource(module_, FrameName(frame), kCell);
        frames_.push_back({PictureOfIcon(small.Get(), kGlyphTransparent), std::move(icon)});
    }
    return frames_;
}

HICON ProgramImages::IconOf(const Bitmap& picture) {
    for (std::size_t index = 0; index < imageList_.size(); ++index) {
        ProgramImage& image = imageList_[index];
        if (image.picture != picture) continue;
        if (!image.icon) image.icon = LoadIconResource(module_, L"IMAGE_" + std::to_wstring(index));
        return image.icon.Get();
    }
    for (const ProgramImage& image : frames_)
        if (image.picture == picture) return image.icon.Get();
    return nullptr;
}

UniqueIcon ProgramImages::ImageListIconAt(const Bitmap& picture, int size) {
    for (std::size_t index = 0; index < imageList_.size(); ++index)
        if (imageList_[index].picture == picture)
            return LoadIconResource(module_, L"IMAGE_" + std::to_wstring(index), size);
    return {};
}

}  // namespace quorvel::win32
