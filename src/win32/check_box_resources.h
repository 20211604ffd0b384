#pragma once

#include <optional>

#include "controls/check_box_pictures.h"

namespace quorvel::win32 {

// One bitmap resource of the program by name; nothing when the program holds none.
std::optional<Bitmap> LoadBitmapResource(const wchar_t* name);

// The check box's pictures from the program's resources. A program built without them
// (a test program) gets the same pictures drawn by the core.
CheckBoxResources LoadCheckBoxResources();

}  // namespace quorvel::win32
