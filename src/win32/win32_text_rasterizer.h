#pragma once

#include <memory>

#include "base/text_rasterizer.h"

namespace quorvel::win32 {

// Text through GDI: the font is made with CreateFontIndirectW (without antialiasing),
// measured with GetTextExtentPoint32W and drawn white on black into a DIB section whose
// pixels become the mask. Keeps the last font made, since a control draws many texts in
// one font.
class Win32TextRasterizer final : public TextRasterizer {
  public:
    Win32TextRasterizer();
    ~Win32TextRasterizer() override;
    Win32TextRasterizer(const Win32TextRasterizer&) = delete;
    Win32TextRasterizer& operator=(const Win32TextRasterizer&) = delete;

    TextMetrics Metrics(const Font& font) override;
    Size Measure(const Font& font, std::string_view text) override;
    TextMask Rasterize(const Font& font, std::string_view text) override;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

// The one rasteriser of the styled controls: they all paint on the one GUI thread.
Win32TextRasterizer& StyledControlRasterizer();

}  // namespace quorvel::win32
