#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

#include "platform/gdi/PictureFormats.h"

namespace gdi {
namespace {

// A progressive file may hold any number of scans over the whole picture; real ones have a
// dozen or so.
constexpr int kMaxScans = 100;
constexpr long kMaxDecoderMemory = 512L << 20;

struct Failure {
    jpeg_error_mgr manager{};
    std::jmp_buf jump{};
};

[[noreturn]] void Fail(j_common_ptr info) {
    std::longjmp(reinterpret_cast<Failure*>(info->err)->jump, 1);
}

void Quiet(j_common_ptr) {}

void LimitScans(j_common_ptr info) {
    auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > kMaxScans) Fail(info);
}

struct Decoder {
    jpeg_decompress_struct info{};
    Failure failure;
    jpeg_progress_mgr progress{};
    bool truncated = false;
};

// A file cut short is filled out with grey by the decoder: damaged, not a picture.  Other
// warnings (stray bytes between segments) leave a picture that shows.
void NoteWarning(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        reinterpret_cast<Decoder*>(info->client_data)->truncated = true;
}

// The decoder's work, apart so that nothing of ours is left half-made when it gives up: the
// picture and the row are the caller's.
bool Run(Decoder& decoder, std::string_view bytes, Bitmap& image, std::vector<JSAMPLE>& row) {
    jpeg_decompress_struct& info = decoder.info;
    if (setjmp(decoder.failure.jump) != 0) return false;
    jpeg_create_decompress(&info);
    info.client_data = &decoder;
    info.progress = &decoder.progress;
    info.mem->max_memory_to_use = kMaxDecoderMemory;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK ||
        !DeclaredSizeIsSane(info.image_width, info.image_height))
        return false;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) return false;
    image = Bitmap(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    row.resize(static_cast<std::size_t>(info.output_width) * 3);
    while (info.output_scanline < info.output_height && !decoder.truncated) {
        const auto y = static_cast<int>(info.output_scanline);
        JSAMPROW rows[] = {row.data()};
        if (jpeg_read_scanlines(&info, rows, 1) != 1) return false;
        const JSAMPLE* rgb = row.data();
        for (Color& pixel : image.Row(y))
            pixel = Rgb(rgb[0], rgb[1], rgb[2]), rgb += 3;
    }
    if (decoder.truncated) return false;
    jpeg_finish_decompress(&info);
    return !decoder.truncated;
}

}  // namespace

std::optional<Bitmap> DecodeJpeg(std::string_view bytes) {
    Decoder decoder;
    decoder.info.err = jpeg_std_error(&decoder.failure.manager);
    decoder.failure.manager.error_exit = Fail;
    decoder.failure.manager.output_message = Quiet;
    decoder.failure.manager.emit_message = NoteWarning;
    decoder.progress.progress_monitor = LimitScans;
    Bitmap image;
    std::vector<JSAMPLE> row;
    const bool decoded = Run(decoder, bytes, image, row);
    jpeg_destroy_decompress(&decoder.info);
    if (!decoded) return {};
    return image;
}

}  // namespace gdi
