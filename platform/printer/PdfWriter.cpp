#include "platform/printer/PdfWriter.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <memory>

namespace forms {
namespace {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using ContextPtr = std::unique_ptr<cairo_t, ContextDeleter>;

// Cairo's RGB24 holds 0x00RRGGBB in a native 32-bit word; ours is 0x00BBGGRR.
SurfacePtr ToCairoImage(const gdi::Bitmap& page) {
    SurfacePtr image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, page.Width(), page.Height()));
    if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
    cairo_surface_flush(image.get());
    unsigned char* data = cairo_image_surface_get_data(image.get());
    int stride = cairo_image_surface_get_stride(image.get());
    for (int y = 0; y < page.Height(); ++y) {
        auto* out =
            reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (gdi::Color color : page.Row(y))
            *out++ = (std::uint32_t{gdi::Red(color)} << 16) |
                     (std::uint32_t{gdi::Green(color)} << 8) | gdi::Blue(color);
    }
    cairo_surface_mark_dirty(image.get());
    return image;
}

bool DrawPage(cairo_t* context, const gdi::Bitmap& page, double widthPoints, double heightPoints) {
    if (page.Empty()) return true;
    SurfacePtr image = ToCairoImage(page);
    if (!image) return false;
    cairo_save(context);
    cairo_scale(context, widthPoints / page.Width(), heightPoints / page.Height());
    cairo_set_source_surface(context, image.get(), 0, 0);
    // LED squares and text stay sharp: no smoothing between pixels.
    cairo_pattern_set_filter(cairo_get_source(context), CAIRO_FILTER_NEAREST);
    cairo_paint(context);
    cairo_restore(context);
    return true;
}

}  // namespace

bool WritePdf(const std::string& path, std::span<const gdi::Bitmap> pages, double widthPoints,
              double heightPoints) {
    SurfacePtr document(cairo_pdf_surface_create(path.c_str(), widthPoints, heightPoints));
    if (cairo_surface_status(document.get()) != CAIRO_STATUS_SUCCESS) return false;
    bool drawn = true;
    {
        ContextPtr context(cairo_create(document.get()));
        for (const gdi::Bitmap& page : pages) {
            drawn = drawn && DrawPage(context.get(), page, widthPoints, heightPoints);
            cairo_show_page(context.get());
        }
        drawn = drawn && cairo_status(context.get()) == CAIRO_STATUS_SUCCESS;
    }
    cairo_surface_finish(document.get());
    return drawn && cairo_surface_status(document.get()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace forms
