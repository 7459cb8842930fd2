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

// The picture covers the text: it is there for readers, not for the eye.
void DrawTexts(cairo_t* context, const std::vector<PageText>& texts) {
    cairo_select_font_face(context, "DejaVu Sans Mono", CAIRO_FONT_SLANT_NORMAL,
                           CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_source_rgb(context, 0, 0, 0);
    for (const PageText& line : texts) {
        if (line.text.empty() || line.height <= 0) continue;
        cairo_set_font_size(context, line.height * 0.8);
        cairo_move_to(context, line.x, line.y + line.height * 0.8);
        cairo_show_text(context, line.text.c_str());
    }
}

bool DrawPage(cairo_t* context, const gdi::Bitmap& page, const std::vector<PageText>& texts,
              double widthPoints, double heightPoints) {
    if (page.Empty()) return true;
    SurfacePtr image = ToCairoImage(page);
    if (!image) return false;
    cairo_save(context);
    cairo_scale(context, widthPoints / page.Width(), heightPoints / page.Height());
    DrawTexts(context, texts);
    cairo_set_source_surface(context, image.get(), 0, 0);
    // LED squares and text stay sharp: no smoothing between pixels.
    cairo_pattern_set_filter(cairo_get_source(context), CAIRO_FILTER_NEAREST);
    cairo_paint(context);
    cairo_restore(context);
    return true;
}

}  // namespace

bool WritePdf(const std::string& path, std::span<const gdi::Bitmap> pages,
              std::span<const std::vector<PageText>> texts, double widthPoints,
              double heightPoints) {
    static const std::vector<PageText> kNoTexts;
    SurfacePtr document(cairo_pdf_surface_create(path.c_str(), widthPoints, heightPoints));
    if (cairo_surface_status(document.get()) != CAIRO_STATUS_SUCCESS) return false;
    bool drawn = true;
    {
        ContextPtr context(cairo_create(document.get()));
        for (size_t i = 0; i < pages.size(); ++i) {
            const std::vector<PageText>& pageTexts = i < texts.size() ? texts[i] : kNoTexts;
            drawn =
                drawn && DrawPage(context.get(), pages[i], pageTexts, widthPoints, heightPoints);
            cairo_show_page(context.get());
        }
        drawn = drawn && cairo_status(context.get()) == CAIRO_STATUS_SUCCESS;
    }
    cairo_surface_finish(document.get());
    return drawn && cairo_surface_status(document.get()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace forms
