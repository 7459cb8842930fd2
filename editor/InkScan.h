#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "editor/LineFormat.h"
#include "platform/gdi/Geometry.h"
#include "platform/vb/Types.h"

namespace zomel {

// What one pass over the message raster finds: the box of inked pixels and how many pixels
// are inked.
struct InkScan {
    ExtentInfo Extent;
    vb::Long Count = 0;
};

// A row in which the rightmost ink so far moved right: the byte column just past it (1-based
// end) and the 1-based row.  Collected only for the trace.
struct WiderRow {
    int EndByte = 0;
    int Row = 0;
};

// Bytes per pixel of a raster of `bitsPerPixel` bits (8, 16, 24, 32); 0 for any other depth.
int BytesPerPixel(int bitsPerPixel);

// Scans raw raster bytes, `height` rows of `widthBytes` bytes, top row first, in steps of
// `bytesPerPixel`: a pixel is inked when the first byte of its data is not 0.  The last byte of
// each row is never tested.  Rows and columns of the result are 1-based pixels, all 0 without
// ink.  When `wider` is given it receives every row where the rightmost ink moved right.
InkScan ScanInk(std::span<const std::uint8_t> bits, int widthBytes, int height, int bytesPerPixel,
                std::vector<WiderRow>* wider = nullptr);
// The same over the pixels of `area` only, for a raster known to hold no ink outside it.
InkScan ScanInk(std::span<const std::uint8_t> bits, int widthBytes, int height, int bytesPerPixel,
                const gdi::Rect& area, std::vector<WiderRow>* wider = nullptr);

}  // namespace zomel
