#include "editor/SignPicture.h"

#include <algorithm>

#include "core/ModuleFigures.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Error.h"

namespace zomel {
namespace {

constexpr gdi::Color kGrey = gdi::Rgb(128, 128, 128);
constexpr gdi::Color kDarkGrey = gdi::Rgb(64, 64, 64);
constexpr gdi::Color kYellow = gdi::Rgb(255, 255, 0);

int Rounded(double value) {
    return vb::CLng(value);
}

bool IsLit(gdi::Color color) {
    return color == gdi::kWhite || color == kYellow;
}

// LED square sizes: the cell CX (= CY) and the square S, one larger when the zoom has a
// fraction of 0.6 or more.
struct Cells {
    int cell = 0;
    int square = 0;
    int half = 0;
};

Cells CellsFor(int pictureWidth, int columns, double zoom) {
    Cells c;
    c.square = pictureWidth / (2 * columns);
    c.cell = c.square;
    if (Rounded(zoom + 0.4) > Rounded(zoom)) ++c.square;
    c.half = Rounded(c.cell / 2.0);
    return c;
}

void DrawLeds(gdi::DeviceContext& dc, const gdi::Bitmap& frame, const SignPictureLayout& layout,
              const Cells& c) {
    const gdi::Brush white(gdi::kWhite), black(gdi::kBlack);
    int mx = 0, my = 0;
    for (int i = 0; i < frame.Width(); ++i) {
        if (layout.SegSepX != 0) mx = i / layout.PixPerSegX;
        int left = (i + 1 + mx) * c.cell + (i + mx) * c.square - c.half;
        for (int j = 0; j < frame.Height(); ++j) {
            if (layout.SegSepY != 0) my = j / layout.PixPerSegY;
            int top = (j + 1 + my) * c.cell + (j + my) * c.square - c.half;
            dc.FillRect({left, top, left + c.square, top + c.square},
                        IsLit(frame.At(i, j)) ? white : black);
        }
    }
}

// Module edges across one direction: lines between modules without gaps, dark strips over
// the gap cells with them.
template <class Edge, class Strip>
void DrawEdges(int leds, int perModule, bool gaps, int step, int gapStep, Edge edge, Strip strip) {
    int modules = Rounded(static_cast<double>(leds) / perModule);
    for (int k = 1; k < modules; ++k) {
        int at = k * step * perModule;
        if (gaps)
            strip(at + (k - 1) * gapStep, step);
        else
            edge(at);
    }
}

void DrawOutlines(gdi::DeviceContext& dc, const gdi::Bitmap& frame, const SignPictureLayout& layout,
                  const Cells& c) {
    gdi::Bitmap& picture = dc.Surface();
    const int width = picture.Width(), height = picture.Height();
    const int step = c.square + c.cell;
    gdi::Pen previous = dc.SelectObject(gdi::Pen(gdi::kBlack, 2));
    const gdi::Brush dark(kDarkGrey);
    DrawEdges(
        frame.Width(), layout.PixPerSegX, layout.SegSepX != 0, step, step,
        [&](int x) {
            dc.MoveToEx(x, 0);
            dc.LineTo(x, height);
        },
        [&](int left, int size) {
            dc.FillRect({left, 0, left + size, height}, dark);
        });
    DrawEdges(
        frame.Height(), layout.PixPerSegY, layout.SegSepY != 0, step, step,
        [&](int y) {
            dc.MoveToEx(0, y);
            dc.LineTo(width, y);
        },
        [&](int top, int size) {
            dc.FillRect({0, top, width, top + size}, dark);
        });
    dc.SelectObject(previous);
}

}  // namespace

gdi::Bitmap DrawSignPicture(const gdi::Bitmap& frame, const SignPictureLayout& layout) {
    if (layout.PixPerSegX <= 0 || layout.PixPerSegY <= 0) vb::Raise(vb::err::kDivisionByZero);
    const int w = frame.Width(), h = frame.Height();
    const int gapsX = layout.SegSepX == kModuleGap ? std::max(0, w / layout.PixPerSegX - 1) : 0;
    const int gapsY = layout.SegSepY == kModuleGap ? std::max(0, h / layout.PixPerSegY - 1) : 0;
    if (w == 0 || h == 0) return {};
    // Sized in pixels, so that every LED of the sign lands on the picture.
    gdi::Bitmap picture(Rounded(layout.Zoom * 2 * (w + gapsX) + 2),
                        Rounded(layout.Zoom * 2 * (h + gapsY) + 2), kGrey);
    gdi::DeviceContext dc(picture);
    Cells cells = CellsFor(picture.Width(), w + gapsX, layout.Zoom);
    DrawLeds(dc, frame, layout, cells);
    if (layout.ZomelOutline) DrawOutlines(dc, frame, layout, cells);
    return picture;
}

}  // namespace zomel
