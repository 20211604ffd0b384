#pragma once

#include <string>
#include <utility>
#include <vector>

#include "base/bitmap.h"

namespace quorvel {

// Pixels of this colour are left out where a picture is drawn transparently.
constexpr Color kPictureTransparent = Rgb(255, 0, 255);
constexpr int kCheckBoxSize = 13;
constexpr int kCheckMarkSize = 7;

// The check box's source pictures, kept by the Windows build as bitmap resources of these
// names and made here, so the build can write them (EncodeBmp) and tests can check them.
// This file needs nothing but base/bitmap.h and base/mul_div.h, so a small program built
// for the build machine can write the resource files.
struct CheckBoxResources {
    Bitmap unpress;    // CB_UNPRESS: 11 × 11 light face
    Bitmap press;      // CB_PRESS: 11 × 11 darker face
    Bitmap border;     // CB_BORDER: 11 × 11 orange ring, transparent inside
    Bitmap flag;       // CB_FLAG: 7 × 7 green check mark, transparent around it
    Bitmap grayed;     // CB_GRAYED: 7 × 7 light green square
    Bitmap disFlag;    // CB_DISFLAG: 7 × 7 grey check mark
    Bitmap disGrayed;  // CB_DISGRAYED: 7 × 7 grey square
};

CheckBoxResources MakeCheckBoxResources();

// Each resource with its name, for writing them out.
std::vector<std::pair<std::string, const Bitmap*>> NamedResources(const CheckBoxResources& r);

// The eight pictures a check box draws itself from.
struct CheckBoxPictures {
    Bitmap normalBox;           // 13 × 13
    Bitmap pressedBox;          // 13 × 13
    Bitmap hotFrame;            // 11 × 11, transparent
    Bitmap checkMark;           // 7 × 7, transparent
    Bitmap grayedMark;          // 7 × 7
    Bitmap disabledBox;         // 13 × 13
    Bitmap disabledCheckMark;   // 7 × 7, transparent
    Bitmap disabledGrayedMark;  // 7 × 7
};

CheckBoxPictures BuildCheckBoxPictures(const CheckBoxResources& resources);

}  // namespace quorvel
