#include "win32/win32_text_rasterizer.h"

#include <algorithm>
#include <optional>
#include <string>

#include "win32/handles.h"
#include "win32/text_conversion.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {

namespace {

UniqueFont MakeFont(const Font& font) {
    LOGFONTW description{};
    description.lfHeight = font.height;
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    description.lfItalic = font.italic;
    description.lfUnderline = font.underline;
    description.lfStrikeOut = font.strikeOut;
    description.lfCharSet = BYTE(font.charset);
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = NONANTIALIASED_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH;
    const std::wstring name = Widen(font.name);
    name.copy(description.lfFaceName, LF_FACESIZE - 1);
    return UniqueFont(CreateFontIndirectW(&description));
}

}  // namespace

struct Win32TextRasterizer::State {
    UniqueMemoryDc dc{CreateCompatibleDC(nullptr)};
    std::optional<Font> current;
    UniqueFont font;
    // The font in use selected; gone first, so the DC has its own font back before the
    // font is deleted.
    std::optional<SelectionScope> selection;

    // Makes `wanted` the DC's font, reusing the last one when it is the same.
    void Use(const Font& wanted) {
        if (current && *current == wanted) return;
        UniqueFont made = MakeFont(wanted);
        selection.reset();
        selection.emplace(dc.Get(), made ? HGDIOBJ(made.Get()) : GetStockObject(SYSTEM_FONT));
        font = std::move(made);
        current = wanted;
    }
};

Win32TextRasterizer::Win32TextRasterizer() : state_(std::make_unique<State>()) {}

Win32TextRasterizer::~Win32TextRasterizer() = default;

TextMetrics Win32TextRasterizer::Metrics(const Font& font) {
    state_->Use(font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(state_->dc.Get(), &metrics);
    return {int(metrics.tmHeight), int(metrics.tmAscent)};
}

Size Win32TextRasterizer::Measure(const Font& font, std::string_view text) {
    state_->Use(font);
    const std::wstring wide = Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(state_->dc.Get(), wide.c_str(), int(wide.size()), &size);
    return {int(size.cx), int(size.cy)};
}

TextMask Win32TextRasterizer::Rasterize(const Font& font, std::string_view text) {
    state_->Use(font);
    HDC dc = state_->dc.Get();
    const std::wstring wide = Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), int(wide.size()), &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);

    TextMask mask;
    // Italic letters lean past their advance width; leave room for them.
    const int overhang = std::max<int>(metrics.tmOverhang, font.italic ? metrics.tmHeight / 2 : 0);
    mask.width = int(size.cx) + (size.cx > 0 ? overhang : 0);
    mask.height = int(size.cy);
    mask.ink.assign(std::size_t(std::max(mask.width, 0)) * std::size_t(std::max(mask.height, 0)),
                    0);
    if (mask.width <= 0 || mask.height <= 0) return mask;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = mask.width;
    info.bmiHeader.biHeight = -mask.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap surface(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!surface || !bits) return mask;
    {
        const SelectionScope selected(dc, surface.Get());
        PatBlt(dc, 0, 0, mask.width, mask.height, BLACKNESS);
        SetTextColor(dc, RGB(255, 255, 255));
        SetBkMode(dc, TRANSPARENT);
        SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
        ExtTextOutW(dc, 0, 0, 0, nullptr, wide.c_str(), UINT(wide.size()), nullptr);
        GdiFlush();
        const auto* pixels = static_cast<const DWORD*>(bits);
        for (std::size_t i = 0; i < mask.ink.size(); ++i) {
            // Without antialiasing a pixel is black or white; take any bright one as ink.
            const DWORD p = pixels[i];
            mask.ink[i] = ((p & 0xFF) > 127 || ((p >> 8) & 0xFF) > 127 || ((p >> 16) & 0xFF) > 127);
        }
    }
    return mask;
}

Win32TextRasterizer& StyledControlRasterizer() {
    static Win32TextRasterizer rasterizer;
    return rasterizer;
}

}  // namespace quorvel::win32
