#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/vb/Types.h"

namespace zomel {

// What the display control tells the printout about its sign.
struct SignPictureLayout {
    vb::Integer PixPerSegX = 1;  // LEDs per module across and down
    vb::Integer PixPerSegY = 1;
    vb::Integer SegSepX = 0;  // kModuleGap: a gap between module columns (rows)
    vb::Integer SegSepY = 0;
    double Zoom = 1;
    bool ZomelOutline = false;
};

// The sign frame (one pixel per LED; white or yellow is a lit LED) drawn as LED squares on
// grey, as the display control draws it: lit LEDs white, unlit black, module gaps skipped
// and, with outlines, module edges in black or dark grey.  Sized in pixels: Zoom x 2 x (LEDs
// and gap cells) + 2 each way.  Error 11 when a module has no LEDs.
gdi::Bitmap DrawSignPicture(const gdi::Bitmap& frame, const SignPictureLayout& layout);

}  // namespace zomel
