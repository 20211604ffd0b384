#include "skin/skin_image.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

#include "base/error.h"

namespace quorvel {
namespace {

// A real JPEG made with the same library: left half red, right half blue.
std::string EncodeTestJpeg(int width, int height) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(width) * 3);
    for (int x = 0; x < width; ++x) {
        const bool left = x < width / 2;
        row[std::size_t(x) * 3 + 0] = left ? 220 : 10;
        row[std::size_t(x) * 3 + 1] = 10;
        row[std::size_t(x) * 3 + 2] = left ? 10 : 220;
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

void ExpectDecodeError(const std::string& bytes, const std::string& fragment) {
    Bitmap picture(2, 2, kBlack);
    try {
        DecodeJpeg(bytes, picture);
        ADD_FAILURE() << "decoded a damaged picture";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find(fragment), std::string::npos) << error.what();
    }
    EXPECT_EQ(picture, Bitmap(2, 2, kBlack)) << "the previous content must survive";
}

TEST(SkinImage, DecodesAtFullSizeWithItsColours) {
    Bitmap picture;
    DecodeJpeg(EncodeTestJpeg(40, 24), picture);
    ASSERT_EQ(picture.Width(), 40);
    ASSERT_EQ(picture.Height(), 24);
    EXPECT_GT(RedOf(picture.Pixel(5, 5)), 180);
    EXPECT_LT(BlueOf(picture.Pixel(5, 5)), 60);
    EXPECT_GT(BlueOf(picture.Pixel(35, 20)), 180);
}

TEST(SkinImage, DamagedFilesRaiseTheDecodersMessage) {
    const std::string good = EncodeTestJpeg(64, 64);
    ExpectDecodeError("", "");
    ExpectDecodeError("this is not a picture", "Not a JPEG file");
    ExpectDecodeError(good.substr(0, good.size() / 2), "Premature end of JPEG file");
    ExpectDecodeError(good.substr(0, 40), "");
}

TEST(SkinImage, HugePicturesAreRefusedBeforeDecoding) {
    std::string bytes = EncodeTestJpeg(16, 16);
    // Patch the frame header (FFC0: length, precision, height, width) to 5000 x 5000.
    const auto frame = bytes.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    for (std::size_t at : {frame + 5, frame + 7}) {
        bytes[at] = char(5000 >> 8);
        bytes[at + 1] = char(5000 & 0xFF);
    }
    ExpectDecodeError(bytes, "larger than 4096 x 4096");
}

TEST(SkinImage, MissingFileIsReported) {
    struct NoFiles : FileSystem {
        std::optional<std::string> ReadFile(const std::string&) override { return {}; }
        bool ReplaceFile(const std::string&, std::string_view) override { return false; }
        bool FileExists(const std::string&) override { return false; }
        bool CreateFolder(const std::string&) override { return false; }
        std::vector<std::string> ListFiles(const std::string&) override { return {}; }
    } files;
    Bitmap skin(1, 1, kBlack);
    EXPECT_THROW(LoadSkinImage(files, "C:\\Q\\Blue.jpg", skin), Error);
    EXPECT_EQ(skin, Bitmap(1, 1, kBlack));
}

}  // namespace
}  // namespace quorvel
