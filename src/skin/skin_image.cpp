#include "skin/skin_image.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

// jpeglib.h needs FILE and size_t declared before it.
#include <jerror.h>
#include <jpeglib.h>

#include "base/error.h"

namespace quorvel {

namespace {

// libjpeg reports errors through a callback that must not return; the callback jumps
// back to Decode, whose frame holds only trivially destructible locals so the jump
// skips no destructor.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// Counts the scans as the decoder starts each one; the decoder calls it between rows of
// blocks, so a file with too many scans is stopped as soon as it asks for too much.
struct ScanBudget {
    jpeg_progress_mgr base;
    ErrorManager* errors;
    int scansSeen = 0;
    std::uint64_t work = 0;
};

[[noreturn]] void OnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    info->err->format_message(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// Warnings that leave a damaged picture (a file cut short, data lost) count as errors;
// harmless ones (extra bytes between markers) are ignored, as viewers do.
void OnMessage(j_common_ptr info, int level) {
    if (level != -1) return;
    const int code = info->err->msg_code;
    if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || code == JWRN_MUST_RESYNC ||
        code == JWRN_NOT_SEQUENTIAL) {
        OnError(info);
    }
}

constexpr char kTooManyScans[] = "The picture is made of too many scans";

void OnProgress(j_common_ptr common) {
    auto* info = reinterpret_cast<j_decompress_ptr>(common);
    auto* budget = reinterpret_cast<ScanBudget*>(info->progress);
    while (budget->scansSeen < info->input_scan_number) {
        ++budget->scansSeen;
        budget->work += std::uint64_t(info->image_width) * info->image_height;
    }
    if (budget->scansSeen > kMaxScans || budget->work > kMaxScanWork) {
        std::snprintf(budget->errors->message, sizeof budget->errors->message, "%s", kTooManyScans);
        std::longjmp(budget->errors->jump, 1);
    }
}

enum class Outcome { kDecoded, kDecoderError, kTooLarge };

Outcome Decode(const unsigned char* data, unsigned long size, Bitmap& out, ErrorManager& errors,
               ScanBudget& budget, jpeg_decompress_struct& info) {
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    errors.base.emit_message = OnMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return Outcome::kDecoderError;
    }
    jpeg_create_decompress(&info);
    budget.base.progress_monitor = OnProgress;
    budget.errors = &errors;
    info.progress = &budget.base;
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    if (info.image_width > unsigned(kMaxSkinSide) || info.image_height > unsigned(kMaxSkinSide)) {
        jpeg_destroy_decompress(&info);
        return Outcome::kTooLarge;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out.Resize(int(info.output_width), int(info.output_height));
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * 3, 1);
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        jpeg_read_scanlines(&info, row, 1);
        for (JDIMENSION x = 0; x < info.output_width; ++x) {
            const JSAMPLE* p = row[0] + x * 3;
            out.SetPixel(int(x), y, Rgb(p[0], p[1], p[2]));
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return Outcome::kDecoded;
}

}  // namespace

void DecodeJpeg(std::string_view bytes, Bitmap& picture) {
    Bitmap decoded;
    ErrorManager errors{};
    ScanBudget budget{};
    jpeg_decompress_struct info{};
    switch (Decode(reinterpret_cast<const unsigned char*>(bytes.data()),
                   static_cast<unsigned long>(bytes.size()), decoded, errors, budget, info)) {
        case Outcome::kDecoded:
            picture = std::move(decoded);
            return;
        case Outcome::kTooLarge:
            throw Error("The picture is larger than " + std::to_string(kMaxSkinSide) + " x " +
                        std::to_string(kMaxSkinSide) + " pixels");
        case Outcome::kDecoderError:
            throw Error(errors.message);
    }
}

void LoadSkinImage(FileSystem& files, const std::string& path, Bitmap& skin) {
    const auto size = files.FileSize(path);
    if (size && *size > kMaxSkinFileBytes) {
        throw Error(FormatText("The skin file \"%s\" is too large to be a picture", path));
    }
    const auto bytes = files.ReadFile(path);
    if (!bytes) throw Error(FormatText("Cannot open file \"%s\"", path));
    if (bytes->size() > kMaxSkinFileBytes) {
        throw Error(FormatText("The skin file \"%s\" is too large to be a picture", path));
    }
    DecodeJpeg(*bytes, skin);
}

}  // namespace quorvel
