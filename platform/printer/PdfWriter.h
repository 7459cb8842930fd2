#pragma once

#include <span>
#include <string>
#include <vector>

#include "platform/gdi/Bitmap.h"

namespace forms {

// A line of text printed on a page, in the page's pixels (its top-left corner and height).
struct PageText {
    int x = 0;
    int y = 0;
    int height = 0;
    std::string text;
};

// Writes the pages as a PDF document, each bitmap filling a page of `widthPoints` by
// `heightPoints` (1/72 inch); false when the file could not be written.  The texts of each
// page lie under its picture, so that a reader can find, copy and search them.
bool WritePdf(const std::string& path, std::span<const gdi::Bitmap> pages,
              std::span<const std::vector<PageText>> texts, double widthPoints,
              double heightPoints);

}  // namespace forms
