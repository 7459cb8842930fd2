#include <array>
#include <cstdint>

#include "platform/gdi/PictureFormats.h"

namespace gdi {
namespace {

std::uint32_t LittleEndian(std::string_view bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

constexpr std::size_t kFileHeader = 14;
constexpr std::uint32_t kUncompressed = 0;

struct BmpLayout {
    long long width = 0;
    long long height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    std::size_t palette = 0;  // where the colour table starts
    int paletteEntryBytes = 4;
    std::size_t colours = 0;
    std::size_t pixels = 0;
};

// Reads the headers: the information header of 40 bytes or more, or the older 12-byte one.
std::optional<BmpLayout> ReadLayout(std::string_view bytes) {
    if (bytes.size() < kFileHeader + 12 || bytes[0] != 'B' || bytes[1] != 'M') return {};
    BmpLayout layout;
    layout.pixels = LittleEndian(bytes, 10, 4);
    const std::uint32_t headerBytes = LittleEndian(bytes, kFileHeader, 4);
    std::uint32_t planes = 0;
    std::uint32_t compression = kUncompressed;
    if (headerBytes == 12) {
        layout.width = LittleEndian(bytes, kFileHeader + 4, 2);
        layout.height = LittleEndian(bytes, kFileHeader + 6, 2);
        planes = LittleEndian(bytes, kFileHeader + 8, 2);
        layout.bitsPerPixel = static_cast<int>(LittleEndian(bytes, kFileHeader + 10, 2));
        layout.paletteEntryBytes = 3;
    } else {
        if (headerBytes < 40 || bytes.size() < kFileHeader + 40) return {};
        layout.width = static_cast<std::int32_t>(LittleEndian(bytes, kFileHeader + 4, 4));
        layout.height = static_cast<std::int32_t>(LittleEndian(bytes, kFileHeader + 8, 4));
        planes = LittleEndian(bytes, kFileHeader + 12, 2);
        layout.bitsPerPixel = static_cast<int>(LittleEndian(bytes, kFileHeader + 14, 2));
        compression = LittleEndian(bytes, kFileHeader + 16, 4);
        layout.colours = LittleEndian(bytes, kFileHeader + 32, 4);
    }
    if (layout.height < 0) layout.topDown = true, layout.height = -layout.height;
    layout.palette = kFileHeader + headerBytes;
    const int bits = layout.bitsPerPixel;
    if (planes != 1 || compression != kUncompressed ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32))
        return {};
    if (!DeclaredSizeIsSane(layout.width, layout.height)) return {};
    return layout;
}

// The colour table of a picture of 8 bits or fewer per pixel; entries it lacks are black.
std::array<Color, 256> ReadPalette(std::string_view bytes, const BmpLayout& layout) {
    std::array<Color, 256> palette{};
    const std::size_t most = std::size_t{1} << layout.bitsPerPixel;
    const std::size_t count = layout.colours == 0 || layout.colours > most ? most : layout.colours;
    const auto entry = static_cast<std::size_t>(layout.paletteEntryBytes);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = layout.palette + i * entry;
        if (at + 3 > layout.pixels || at + 3 > bytes.size()) break;
        palette[i] =
            Rgb(static_cast<std::uint8_t>(bytes[at + 2]), static_cast<std::uint8_t>(bytes[at + 1]),
                static_cast<std::uint8_t>(bytes[at]));
    }
    return palette;
}

Color PixelAt(const unsigned char* row, long long x, int bits,
              const std::array<Color, 256>& palette) {
    switch (bits) {
        case 32:
        case 24: {
            const unsigned char* p = row + x * (bits / 8);
            return Rgb(p[2], p[1], p[0]);
        }
        case 16: {  // five bits each of red, green and blue
            const unsigned value = row[x * 2] | (row[x * 2 + 1] << 8);
            auto five = [](unsigned v) { return static_cast<std::uint8_t>((v << 3) | (v >> 2)); };
            return Rgb(five((value >> 10) & 31), five((value >> 5) & 31), five(value & 31));
        }
        default: {
            const long long bit = x * bits;
            const unsigned byte = row[bit / 8];
            const unsigned shift = static_cast<unsigned>(8 - bits - bit % 8);
            return palette[(byte >> shift) & ((1u << bits) - 1)];
        }
    }
}

}  // namespace

std::optional<Bitmap> DecodeBmp(std::string_view bytes) {
    const std::optional<BmpLayout> layout = ReadLayout(bytes);
    if (!layout) return {};
    // Rows are padded to four bytes; every row must be in the file.
    const long long rowBytes = (layout->width * layout->bitsPerPixel + 31) / 32 * 4;
    if (layout->pixels > bytes.size() ||
        static_cast<long long>(bytes.size() - layout->pixels) < rowBytes * layout->height)
        return {};
    const std::array<Color, 256> palette = ReadPalette(bytes, *layout);
    const auto width = static_cast<int>(layout->width);
    const auto height = static_cast<int>(layout->height);
    Bitmap image(width, height);
    const auto* start = reinterpret_cast<const unsigned char*>(bytes.data()) + layout->pixels;
    for (int y = 0; y < height; ++y) {
        const int fileRow = layout->topDown ? y : height - 1 - y;
        const unsigned char* row = start + static_cast<long long>(fileRow) * rowBytes;
        std::span<Color> out = image.Row(y);
        for (int x = 0; x < width; ++x)
            out[static_cast<std::size_t>(x)] = PixelAt(row, x, layout->bitsPerPixel, palette);
    }
    return image;
}

}  // namespace gdi
