#pragma once

#include <span>
#include <string>

#include "platform/gdi/Bitmap.h"

namespace forms {

// Writes the pages as a PDF document, each bitmap filling a page of `widthPoints` by
// `heightPoints` (1/72 inch); false when the file could not be written.
bool WritePdf(const std::string& path, std::span<const gdi::Bitmap> pages, double widthPoints,
              double heightPoints);

}  // namespace forms
