#include "fakes/test_jpeg.h"

#include <jpeglib.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace quorvel {

namespace {

std::string Encode(int width, int height, Color left, Color right,
                   const std::vector<jpeg_scan_info>& scans) {
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
    if (!scans.empty()) {
        info.scan_info = scans.data();
        info.num_scans = int(scans.size());
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(width) * 3);
    for (int x = 0; x < width; ++x) {
        const Color c = x < width / 2 ? left : right;
        row[std::size_t(x) * 3 + 0] = RedOf(c);
        row[std::size_t(x) * 3 + 1] = GreenOf(c);
        row[std::size_t(x) * 3 + 2] = BlueOf(c);
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

}  // namespace

std::string EncodeTestJpeg(int width, int height, Color left, Color right) {
    return Encode(width, height, left, right, {});
}

std::string EncodeProgressiveTestJpeg(int width, int height, int scans) {
    std::vector<jpeg_scan_info> script{{3, {0, 1, 2, 0}, 0, 0, 0, 0}};
    const int bands = (scans - 1) / 3;
    for (int component = 0; component < 3; ++component) {
        for (int band = 0; band < bands; ++band) {
            const int first = 1 + band * 63 / bands;
            const int last = (band + 1) * 63 / bands;
            script.push_back({1, {component, 0, 0, 0}, first, last, 0, 0});
        }
    }
    return Encode(width, height, Rgb(220, 10, 10), Rgb(10, 10, 220), script);
}

}  // namespace quorvel
