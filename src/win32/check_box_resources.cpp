#include "win32/check_box_resources.h"

#include "win32/handles.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {

std::optional<Bitmap> LoadBitmapResource(const wchar_t* name) {
    UniqueBitmap bitmap(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!bitmap) return std::nullopt;
    BITMAP info{};
    if (!GetObjectW(bitmap.Get(), sizeof info, &info)) return std::nullopt;
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(std::size_t(info.bmWidth) * std::size_t(info.bmHeight));
    const int rows = GetDIBits(WindowDcOf(nullptr).Get(), bitmap.Get(), 0, UINT(info.bmHeight),
                               pixels.data(), &format, DIB_RGB_COLORS);
    if (rows != info.bmHeight) return std::nullopt;
    Bitmap picture(info.bmWidth, info.bmHeight);
    for (int y = 0; y < info.bmHeight; ++y) {
        for (int x = 0; x < info.bmWidth; ++x) {
            const std::uint32_t bgra = pixels[std::size_t(y) * std::size_t(info.bmWidth) + x];
            picture.SetPixel(x, y, Rgb((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF));
        }
    }
    return picture;
}

CheckBoxResources LoadCheckBoxResources() {
    CheckBoxResources resources = MakeCheckBoxResources();
    const std::pair<const wchar_t*, Bitmap*> named[] = {
        {L"CB_UNPRESS", &resources.unpress},    {L"CB_PRESS", &resources.press},
        {L"CB_BORDER", &resources.border},      {L"CB_FLAG", &resources.flag},
        {L"CB_GRAYED", &resources.grayed},      {L"CB_DISFLAG", &resources.disFlag},
        {L"CB_DISGRAYED", &resources.disGrayed}};
    for (const auto& [name, target] : named) {
        if (auto picture = LoadBitmapResource(name)) *target = std::move(*picture);
    }
    return resources;
}

}  // namespace quorvel::win32
