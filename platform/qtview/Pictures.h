#pragma once

#include <QIcon>
#include <QImage>
#include <string>

#include "platform/vb/Variant.h"

namespace qtview {

// The image a Picture property holds: a picture object, or the path of a picture file (a
// relative path is taken from the program's folder); a null image when there is none or the
// file cannot be read.
QImage PictureImage(const vb::Variant& picture);

// A tool's picture by name: the desktop's icon of that name where its theme has one, else
// the drawing of that name the program ships ("pictures/tools/<name>.xpm"); a null icon for
// no name.
QIcon ToolPicture(const std::string& name);

}  // namespace qtview
