#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/bitmap.h"
#include "platform/file_system.h"

namespace quorvel {

// The largest skin side accepted; a larger picture is refused before anything is
// allocated, so a hostile file cannot exhaust memory.
constexpr int kMaxSkinSide = 4096;

// The largest skin file read: far above any real skin (a few hundred kilobytes at most),
// so a huge file is refused before it is read into memory.
constexpr std::uint64_t kMaxSkinFileBytes = 32 * 1024 * 1024;

// How much decoding work a picture may ask for, counted as its pixel count once per scan
// of the file: a standard progressive picture (10 scans) of the largest size passes, while
// a crafted file of hundreds of scans over a large picture, which would keep the window
// thread busy for many seconds, is refused as it is read.
constexpr std::uint64_t kMaxScanWork = 10ull * kMaxSkinSide * kMaxSkinSide;
// And at most this many scans, however small the picture.
constexpr int kMaxScans = 1000;

// Decodes JPEG bytes into `picture`. Every decoder error (and the warnings that mean
// the picture is damaged) raises quorvel::Error with the decoder's message; on any
// error `picture` keeps its previous content.
void DecodeJpeg(std::string_view bytes, Bitmap& picture);

// Reads the skin file at `path` and decodes it into the skin bitmap; a file larger than
// kMaxSkinFileBytes is refused unread.
void LoadSkinImage(FileSystem& files, const std::string& path, Bitmap& skin);

}  // namespace quorvel
