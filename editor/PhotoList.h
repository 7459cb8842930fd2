#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/vb/Types.h"

namespace zomel {

// One photo of the gallery's list: its caption and the width and height whose ratio gives its
// shape on screen.
struct GalleryPhoto {
    std::string caption;
    vb::Single width = 0;
    vb::Single height = 0;
};

// The photos of "gifs_jpegs/pic.txt" (Windows-1252 text): the photo count, then one line per
// photo, "caption/width/height".  The list is checked whole: anything wrong raises error 5
// naming the file and the fault.
std::vector<GalleryPhoto> ParsePhotoList(std::string_view bytes);

}  // namespace zomel
