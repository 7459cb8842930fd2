#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/gdi/PictureFormats.h"

namespace gdi {
namespace {

struct Source {
    std::string_view bytes;
    std::size_t at = 0;
};

int Read(GifFileType* gif, GifByteType* into, int wanted) {
    auto* source = static_cast<Source*>(gif->UserData);
    const std::size_t count =
        std::min(static_cast<std::size_t>(std::max(wanted, 0)), source->bytes.size() - source->at);
    std::memcpy(into, source->bytes.data() + source->at, count);
    source->at += count;
    return static_cast<int>(count);
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

constexpr int kNoTransparency = -1;

// The transparent colour of the next image, from a graphic control extension; the
// extension's other blocks are skipped.
bool ReadExtension(GifFileType* gif, int& transparent) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return false;
    if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr && block[0] >= 4)
        transparent = (block[1] & 1) != 0 ? block[4] : kNoTransparency;
    while (block != nullptr)
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return false;
    return true;
}

// The rows of an image in the order the file holds them: interlaced images in four passes.
std::vector<int> RowOrder(int height, bool interlaced) {
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            order.push_back(y);
        return order;
    }
    constexpr int kStart[] = {0, 4, 2, 1};
    constexpr int kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = kStart[pass]; y < height; y += kStep[pass])
            order.push_back(y);
    return order;
}

// Draws the first image onto the logical screen; what it leaves uncovered or transparent
// stays black and is marked in `clear`.
bool ReadImage(GifFileType* gif, int transparent, Bitmap& screen, std::vector<bool>& clear) {
    if (DGifGetImageDesc(gif) == GIF_ERROR) return false;
    const GifImageDesc& desc = gif->Image;
    if (!DeclaredSizeIsSane(desc.Width, desc.Height)) return false;
    const ColorMapObject* colours = desc.ColorMap != nullptr ? desc.ColorMap : gif->SColorMap;
    if (colours == nullptr) return false;
    std::vector<GifPixelType> line(static_cast<std::size_t>(desc.Width));
    for (int y : RowOrder(desc.Height, desc.Interlace)) {
        if (DGifGetLine(gif, line.data(), desc.Width) == GIF_ERROR) return false;
        const int row = desc.Top + y;
        if (row < 0 || row >= screen.Height()) continue;
        for (int x = 0; x < desc.Width; ++x) {
            const int column = desc.Left + x;
            const int index = line[static_cast<std::size_t>(x)];
            if (column >= screen.Width() || index == transparent || index >= colours->ColorCount)
                continue;
            const GifColorType& c = colours->Colors[index];
            screen.Set(column, row, Rgb(c.Red, c.Green, c.Blue));
            clear[static_cast<std::size_t>(row) * static_cast<std::size_t>(screen.Width()) +
                  static_cast<std::size_t>(column)] = false;
        }
    }
    return true;
}

}  // namespace

std::optional<Bitmap> DecodeGif(std::string_view bytes, std::vector<bool>* clear) {
    Source source{bytes};
    int error = 0;
    GifFile gif(DGifOpen(&source, Read, &error));
    if (!gif || !DeclaredSizeIsSane(gif->SWidth, gif->SHeight)) return {};
    Bitmap screen(gif->SWidth, gif->SHeight);
    std::vector<bool> uncovered(
        static_cast<std::size_t>(gif->SWidth) * static_cast<std::size_t>(gif->SHeight), true);
    int transparent = kNoTransparency;
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR) return {};
        if (record == IMAGE_DESC_RECORD_TYPE) {
            if (!ReadImage(gif.get(), transparent, screen, uncovered)) return {};
            if (clear != nullptr) *clear = std::move(uncovered);
            return screen;
        }
        if (record != EXTENSION_RECORD_TYPE || !ReadExtension(gif.get(), transparent)) return {};
    }
}

}  // namespace gdi
