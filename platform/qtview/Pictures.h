#pragma once

#include <QImage>

#include "platform/vb/Variant.h"

namespace qtview {

// The image a Picture property holds: a picture object, or the path of a picture file (a
// relative path is taken from the program's folder); a null image when there is none or the
// file cannot be read.
QImage PictureImage(const vb::Variant& picture);

}  // namespace qtview
