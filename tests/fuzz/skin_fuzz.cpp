// The skin pipeline on bytes of any kind: JPEG decoding into the skin bitmap, then the
// window shape cut from it. A picture decodes within the size limit or not at all, and the
// shape's runs lie inside the picture, row by row, left to right, never touching.
#include "base/error.h"
#include "fuzz/fuzz_input.h"
#include "skin/skin_image.h"
#include "skin/skin_shape.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    using namespace quorvel::fuzz;
    Bitmap skin(3, 2, kWhite);
    const Bitmap before = skin;
    try {
        DecodeJpeg(std::string_view(reinterpret_cast<const char*>(data), size), skin);
    } catch (const Error&) {
        if (skin != before) Fail("a failed decode changed the picture");
        return 0;
    }
    if (skin.Width() > kMaxSkinSide || skin.Height() > kMaxSkinSide || skin.Empty())
        Fail("a picture outside the size limit");
    const std::vector<RowRun> runs = RegionFromSkin(skin);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const RowRun& run = runs[i];
        if (run.left < 0 || run.left >= run.right || run.right > skin.Width() || run.y < 0 ||
            run.y >= skin.Height())
            Fail("a run outside the picture");
        if (i > 0 &&
            (runs[i - 1].y > run.y || (runs[i - 1].y == run.y && runs[i - 1].right >= run.left)))
            Fail("runs out of order or touching");
    }
    return 0;
}
