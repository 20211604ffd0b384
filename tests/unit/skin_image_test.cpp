#include "skin/skin_image.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "base/error.h"
#include "fakes/fake_file_system.h"
#include "fakes/test_jpeg.h"

namespace quorvel {
namespace {

// Left half red, right half blue.
std::string RedBlueJpeg(int width, int height) {
    return EncodeTestJpeg(width, height, Rgb(220, 10, 10), Rgb(10, 10, 220));
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
    DecodeJpeg(RedBlueJpeg(40, 24), picture);
    ASSERT_EQ(picture.Width(), 40);
    ASSERT_EQ(picture.Height(), 24);
    EXPECT_GT(RedOf(picture.Pixel(5, 5)), 180);
    EXPECT_LT(BlueOf(picture.Pixel(5, 5)), 60);
    EXPECT_GT(BlueOf(picture.Pixel(35, 20)), 180);
}

TEST(SkinImage, DamagedFilesRaiseTheDecodersMessage) {
    const std::string good = RedBlueJpeg(64, 64);
    ExpectDecodeError("", "");
    ExpectDecodeError("this is not a picture", "Not a JPEG file");
    ExpectDecodeError(good.substr(0, good.size() / 2), "Premature end of JPEG file");
    ExpectDecodeError(good.substr(0, 40), "");
}

TEST(SkinImage, HugePicturesAreRefusedBeforeDecoding) {
    std::string bytes = RedBlueJpeg(16, 16);
    // Patch the frame header (FFC0: length, precision, height, width) to 5000 x 5000.
    const auto frame = bytes.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    for (std::size_t at : {frame + 5, frame + 7}) {
        bytes[at] = char(5000 >> 8);
        bytes[at + 1] = char(5000 & 0xFF);
    }
    ExpectDecodeError(bytes, "larger than 4096 x 4096");
}

// A crafted progressive file of many scans would keep the window thread busy for seconds.
TEST(SkinImage, DecodingWorkIsBoundedByTheScansOfTheFile) {
    Bitmap picture;
    DecodeJpeg(EncodeProgressiveTestJpeg(1024, 1024, 10), picture);  // a usual progressive file
    EXPECT_EQ(picture.Width(), 1024);
    DecodeJpeg(EncodeProgressiveTestJpeg(64, 64, 190), picture);  // small: many scans are cheap
    ExpectDecodeError(EncodeProgressiveTestJpeg(1024, 1024, 190), "too many scans");
}

TEST(SkinImage, AFileTooLargeForASkinIsRefusedUnread) {
    FakeFileSystem files;
    files.AddFile("C:\\Q\\Huge.jpg", std::string(kMaxSkinFileBytes + 1, '\xFF'));
    files.ClearCalls();
    Bitmap skin(1, 1, kBlack);
    EXPECT_THROW(LoadSkinImage(files, "C:\\Q\\Huge.jpg", skin), Error);
    EXPECT_EQ(files.CountCalls(FakeFileSystem::Op::kRead), 0);
    EXPECT_EQ(skin, Bitmap(1, 1, kBlack));
}

TEST(SkinImage, MissingFileIsReported) {
    struct NoFiles : FileSystem {
        std::optional<std::string> ReadFile(const std::string&) override { return {}; }
        bool ReplaceFileContents(const std::string&, std::string_view) override { return false; }
        bool FileExists(const std::string&) override { return false; }
        std::optional<std::uint64_t> FileSize(const std::string&) override { return {}; }
        bool CreateFolder(const std::string&) override { return false; }
        std::vector<std::string> ListFiles(const std::string&) override { return {}; }
    } files;
    Bitmap skin(1, 1, kBlack);
    EXPECT_THROW(LoadSkinImage(files, "C:\\Q\\Blue.jpg", skin), Error);
    EXPECT_EQ(skin, Bitmap(1, 1, kBlack));
}

}  // namespace
}  // namespace quorvel
