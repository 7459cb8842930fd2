#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Geometry.h"

// The LED renderer as plain functions: a frame (one pixel per LED, pure white lit) painted as
// squares on a display raster.
namespace veldo {

// Where the squares go.  Module gaps insert one empty LED slot between modules in their
// direction; a direction with 0 LEDs per module has no modules to space or mark.
struct LedGrid {
    int size = 1;  // side of a square (LEDSize)
    int gap = 0;   // between squares (LEDGap)
    int perModuleX = 12;
    int perModuleY = 8;
    bool moduleGapsX = false;
    bool moduleGapsY = false;

    int Pitch() const { return size + gap; }
};

// Half the gap, rounded to the nearest integer with halves to even (1 gives 0, 3 gives 2).
int HalfGap(int gap);

// The square of the LED in frame column i and row j (right and bottom edges exclusive).
gdi::Rect LedSquare(const LedGrid& grid, int i, int j);

// Only pure white lights an LED.
inline bool IsLit(gdi::Color pixel) {
    return (pixel & 0x00FFFFFF) == gdi::kWhite;
}

// Paints one square per pixel of `frame`, lit or unlit; what lies between squares is left.
void RenderLeds(const gdi::Bitmap& frame, gdi::Bitmap& display, const LedGrid& grid, gdi::Color lit,
                gdi::Color unlit);

// The same on a display blanked to `back` first, writing each display pixel once.
void RenderLedsOnBackground(const gdi::Bitmap& frame, gdi::Bitmap& display, const LedGrid& grid,
                            gdi::Color lit, gdi::Color unlit, gdi::Color back);

// The number of module boundaries across `pixels` LEDs: pixels / perModule - 1, rounded with
// halves to even; 0 when perModule is 0.
int BoundaryCount(int pixels, int perModule);

// Marks module boundaries over the whole display: a 2-pixel black line per boundary without
// module gaps, a face-coloured band over the empty slot with them.  Columns first, then rows.
void DrawModuleOutlines(gdi::DeviceContext& display, const LedGrid& grid, int frameWidth,
                        int frameHeight, gdi::Color face);

}  // namespace veldo
