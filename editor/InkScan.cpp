#include "editor/InkScan.h"

#include <algorithm>

namespace zomel {
namespace {

// Byte columns are counted from 1; a pixel's column is the last of its bytes' columns.
vb::Integer PixelColumn(int byteColumn, int bytesPerPixel) {
    return static_cast<vb::Integer>((byteColumn + bytesPerPixel - 1) / bytesPerPixel);
}

}  // namespace

int BytesPerPixel(int bitsPerPixel) {
    switch (bitsPerPixel) {
        case 8:
            return 1;
        case 16:
            return 2;
        case 24:
            return 3;
        case 32:
            return 4;
        default:
            return 0;
    }
}

InkScan ScanInk(std::span<const std::uint8_t> bits, int widthBytes, int height, int bytesPerPixel,
                std::vector<WiderRow>* wider) {
    if (bytesPerPixel <= 0) return {};
    return ScanInk(bits, widthBytes, height, bytesPerPixel,
                   gdi::Rect{0, 0, widthBytes / bytesPerPixel + 1, height}, wider);
}

InkScan ScanInk(std::span<const std::uint8_t> bits, int widthBytes, int height, int bytesPerPixel,
                const gdi::Rect& area, std::vector<WiderRow>* wider) {
    InkScan scan;
    if (bytesPerPixel <= 0 || widthBytes <= 0) return scan;
    int minB = 0;
    int maxB = 0;
    const int rows = std::min<int>(height, static_cast<int>(bits.size() / widthBytes));
    // Pixel starts stay on the steps of a whole row's scan; the last byte is never tested.
    const int fromB = std::max(area.left, 0) * bytesPerPixel;
    const int lastB = std::min(area.right * bytesPerPixel - 1, widthBytes - 2);
    for (int r = std::max(area.top, 0); r < std::min(rows, area.bottom); ++r) {
        const std::uint8_t* row = bits.data() + static_cast<std::size_t>(r) * widthBytes;
        int firstInk = 0;
        int lastInk = 0;
        for (int b = fromB; b <= lastB; b += bytesPerPixel) {
            if (row[b] == 0) continue;
            ++scan.Count;
            lastInk = b + 1;
            if (firstInk == 0) firstInk = b + 1;
        }
        if (firstInk == 0) continue;
        if (scan.Extent.StartingRow == 0) scan.Extent.StartingRow = static_cast<vb::Integer>(r + 1);
        scan.Extent.EndingRow = static_cast<vb::Integer>(r + 1);
        if (minB == 0 || firstInk < minB) minB = firstInk;
        if (lastInk > maxB) {
            maxB = lastInk;
            if (wider) wider->push_back({maxB, r + 1});
        }
    }
    scan.Extent.StartingCol = PixelColumn(minB, bytesPerPixel);
    scan.Extent.EndingCol = PixelColumn(maxB, bytesPerPixel);
    return scan;
}

}  // namespace zomel
