#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "platform/gdi/Bitmap.h"

namespace gdi {

// The decoders of the picture formats, each on a whole file's bytes.  Each refuses (an empty
// result) a damaged file or one whose declared size is beyond the picture limits, before
// making anything of that size.
std::optional<Bitmap> DecodeBmp(std::string_view bytes);
// `clear`, when given, is filled with which pixels the picture leaves transparent, row by
// row: those of a GIF's transparent colour and those its image does not cover.
std::optional<Bitmap> DecodeGif(std::string_view bytes, std::vector<bool>* clear = nullptr);
std::optional<Bitmap> DecodeJpeg(std::string_view bytes);

// Whether a picture of this declared size may be made.
bool DeclaredSizeIsSane(long long width, long long height);

}  // namespace gdi
