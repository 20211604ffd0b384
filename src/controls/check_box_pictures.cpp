#include "controls/check_box_pictures.h"

#include "base/mul_div.h"

namespace quorvel {

namespace {

constexpr Color kBoxFrame = Rgb(31, 80, 128);
constexpr Color kDisabledFrame = Rgb(207, 200, 191);
constexpr Color kMarkGreen = Rgb(33, 162, 33);
constexpr Color kGrayedGreen = Rgb(115, 195, 115);
constexpr Color kDisabledGrey = Rgb(206, 203, 189);

// Rows from top to bottom; X is a mark pixel.
constexpr const char* kCheckMarkShape[kCheckMarkSize] = {
    "......X", ".....XX", "X...XXX", "XX.XXX.", "XXXXX..", ".XXX...", "..X....",
};

// From `from` at the top-left corner to `to` at the bottom-right, along the diagonal.
Color Diagonal(Color from, Color to, int x, int y, int size) {
    const int step = x + y;
    const int last = 2 * (size - 1);
    auto channel = [&](int a, int b) { return std::uint8_t(a + MulDiv(step, b - a, last)); };
    return Rgb(channel(RedOf(from), RedOf(to)), channel(GreenOf(from), GreenOf(to)),
               channel(BlueOf(from), BlueOf(to)));
}

Bitmap DiagonalFace(Color from, Color to) {
    constexpr int kSize = 11;
    Bitmap face(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) face.SetPixel(x, y, Diagonal(from, to, x, y, kSize));
    }
    return face;
}

Bitmap HotRing() {
    constexpr int kSize = 11;
    constexpr int kRing = 2;
    Bitmap ring(kSize, kSize, kPictureTransparent);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const bool onRing = x < kRing || y < kRing || x >= kSize - kRing || y >= kSize - kRing;
            if (onRing) {
                ring.SetPixel(x, y, Diagonal(Rgb(255, 243, 206), Rgb(248, 179, 48), x, y, kSize));
            }
        }
    }
    return ring;
}

Bitmap Mark(Color ink) {
    Bitmap mark(kCheckMarkSize, kCheckMarkSize, kPictureTransparent);
    for (int y = 0; y < kCheckMarkSize; ++y) {
        for (int x = 0; x < kCheckMarkSize; ++x) {
            if (kCheckMarkShape[y][x] == 'X') mark.SetPixel(x, y, ink);
        }
    }
    return mark;
}

// A 13 × 13 box: a one-pixel frame around an 11 × 11 face.
Bitmap Box(const Bitmap& face, Color frame) {
    Bitmap box(kCheckBoxSize, kCheckBoxSize, frame);
    for (int y = 0; y < face.Height() && y < kCheckBoxSize - 2; ++y) {
        for (int x = 0; x < face.Width() && x < kCheckBoxSize - 2; ++x) {
            box.SetPixel(x + 1, y + 1, face.Pixel(x, y));
        }
    }
    return box;
}

}  // namespace

CheckBoxResources MakeCheckBoxResources() {
    CheckBoxResources r;
    r.unpress = DiagonalFace(Rgb(222, 223, 214), kWhite);
    r.press = DiagonalFace(Rgb(181, 178, 165), Rgb(247, 239, 222));
    r.border = HotRing();
    r.flag = Mark(kMarkGreen);
    r.grayed = Bitmap(kCheckMarkSize, kCheckMarkSize, kGrayedGreen);
    r.disFlag = Mark(kDisabledGrey);
    r.disGrayed = Bitmap(kCheckMarkSize, kCheckMarkSize, kDisabledGrey);
    return r;
}

std::vector<std::pair<std::string, const Bitmap*>> NamedResources(const CheckBoxResources& r) {
    return {{"CB_UNPRESS", &r.unpress},    {"CB_PRESS", &r.press},   {"CB_BORDER", &r.border},
            {"CB_FLAG", &r.flag},          {"CB_GRAYED", &r.grayed}, {"CB_DISFLAG", &r.disFlag},
            {"CB_DISGRAYED", &r.disGrayed}};
}

CheckBoxPictures BuildCheckBoxPictures(const CheckBoxResources& resources) {
    CheckBoxPictures p;
    p.normalBox = Box(resources.unpress, kBoxFrame);
    p.pressedBox = Box(resources.press, kBoxFrame);
    p.hotFrame = resources.border;
    p.checkMark = resources.flag;
    p.grayedMark = resources.grayed;
    p.disabledBox = Box(Bitmap(kCheckBoxSize - 2, kCheckBoxSize - 2, kWhite), kDisabledFrame);
    p.disabledCheckMark = resources.disFlag;
    p.disabledGrayedMark = resources.disGrayed;
    return p;
}

}  // namespace quorvel
