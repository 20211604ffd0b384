#pragma once

#include <string>
#include <string_view>

#include "base/bitmap.h"
#include "platform/file_system.h"

namespace quorvel {

// The largest skin side accepted; a larger picture is refused before anything is
// allocated, so a hostile file cannot exhaust memory.
constexpr int kMaxSkinSide = 4096;

// Decodes JPEG bytes into `picture`. Every decoder error (and the warnings that mean
// the picture is damaged) raises quorvel::Error with the decoder's message; on any
// error `picture` keeps its previous content.
void DecodeJpeg(std::string_view bytes, Bitmap& picture);

// Reads the skin file at `path` and decodes it into the skin bitmap.
void LoadSkinImage(FileSystem& files, const std::string& path, Bitmap& skin);

}  // namespace quorvel
