#pragma once

#include <array>

#include "base/bitmap.h"

namespace quorvel {

// A stored colour with the top bit set names a system colour by its index (the low byte);
// it becomes red, green, blue only when it is drawn.
constexpr Color kSystemColorFlag = 0x80000000u;
constexpr Color SystemColor(int index) {
    return kSystemColorFlag | Color(index & 0xFF);
}
constexpr bool IsSystemColor(Color c) {
    return (c & kSystemColorFlag) != 0;
}

constexpr Color kClScrollBar = SystemColor(0);
constexpr Color kClWindow = SystemColor(5);
constexpr Color kClWindowText = SystemColor(8);
constexpr Color kClInactiveBorder = SystemColor(11);
constexpr Color kClHighlight = SystemColor(13);
constexpr Color kClBtnFace = SystemColor(15);
constexpr Color kClBtnShadow = SystemColor(16);
constexpr Color kClGrayText = SystemColor(17);
constexpr Color kClBtnText = SystemColor(18);
constexpr Color kClBtnHighlight = SystemColor(20);
constexpr Color kCl3DDkShadow = SystemColor(21);
constexpr Color kCl3DLight = SystemColor(22);

// The values system colours resolve to. The core's default is the classic Windows
// standard scheme, so a control renders the same on every machine and in every test;
// the Windows build may load the user's scheme instead.
class SystemColors {
  public:
    static constexpr int kCount = 31;

    explicit SystemColors(const std::array<Color, kCount>& values) : values_(values) {}

    // The classic scheme: button face (212, 208, 200), shadow (128, 128, 128), highlight
    // white, 3-D light (212, 208, 200), inactive border (212, 208, 200), window white,
    // window text black, and the rest of that scheme.
    static const SystemColors& Classic();

    // Red, green, blue of any stored colour: a system colour through the table (black for
    // an index the system does not have), any other colour with its top byte dropped.
    Color Resolve(Color c) const;

  private:
    std::array<Color, kCount> values_;
};

}  // namespace quorvel
