#pragma once

#include <vector>

#include "base/bitmap.h"
#include "win32/handles.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {

// One picture the program carries: as the core sees it (a Bitmap whose see-through parts
// are kGlyphTransparent) and as the icon resource it came from, whose alpha channel lets
// soft edges blend with whatever lies behind. The tray icon and the menus show the icon
// in the picture's place, so the picture's keyed edges never reach the screen.
struct ProgramImage {
    Bitmap picture;
    UniqueIcon icon;  // of the image list: null until IconOf first asks for it
};

// The image list (IMAGELIST strip, icons IMAGE_0, IMAGE_1, ...) and the tray animation
// (icons TRAY_ANIM_00, TRAY_ANIM_01, ...) from a module's resources, each loaded on its
// first use (the animation runs only while a disc is watched). A module without them has
// empty lists.
class ProgramImages {
  public:
    explicit ProgramImages(HINSTANCE module) : module_(module) {}

    const std::vector<ProgramImage>& ImageList();
    const std::vector<ProgramImage>& AnimationFrames();

    // The icon of a picture of the lists above (found by its pixels); null for any other.
    // A list not yet loaded gave out no pictures, so it is not loaded for this. The image
    // list's icons are loaded here, each as it is first asked for.
    HICON IconOf(const Bitmap& picture);
    // The icon of a picture of the image list in its own version of `size` pixels (loaded
    // anew, the caller's to keep); null for any other picture, as above.
    UniqueIcon ImageListIconAt(const Bitmap& picture, int size);

  private:
    HINSTANCE module_;
    bool listLoaded_ = false;
    bool framesLoaded_ = false;
    std::vector<ProgramImage> imageList_;
    std::vector<ProgramImage> frames_;
};

// The picture of an icon at its own size: pixels less than half opaque become
// `transparent`.
Bitmap PictureOfIcon(HICON icon, Color transparent);

}  // namespace quorvel::win32
