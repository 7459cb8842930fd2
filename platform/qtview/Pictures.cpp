#include "platform/qtview/Pictures.h"

#include "platform/forms/Interaction.h"
#include "platform/gdi/Picture.h"
#include "platform/qtview/Convert.h"

namespace qtview {

QImage PictureImage(const vb::Variant& picture) {
    gdi::PictureRef loaded;
    if (picture.IsObject()) {
        loaded = picture.As<gdi::Picture>();
    } else {
        std::string path = picture.ToString();
        if (path.empty()) return {};
        if (path.front() != '/') path = forms::App().Path() + "/" + path;
        loaded = gdi::Picture::Load(path);
    }
    if (!loaded) return {};
    QImage image = WrapBitmap(loaded->Image()).copy();
    if (!loaded->HasClearPixels()) return image;
    // The bitmap's fourth byte becomes the pixel's opacity.
    image.reinterpretAsFormat(QImage::Format_RGBA8888);
    for (int y = 0; y < image.height(); ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x)
            row[4 * x + 3] = loaded->IsClear(x, y) ? 0 : 255;
    }
    return image;
}

namespace {

// Only a theme the desktop chose is asked.  Qt falls back to "hicolor" without one: that theme
// holds application icons, not tools, and reading it costs more at start-up than all our own
// pictures.
bool DesktopHasIconTheme() {
    const QString theme = QIcon::themeName();
    return !theme.isEmpty() && theme != QLatin1String("hicolor");
}

}  // namespace

QIcon ToolPicture(const std::string& name) {
    if (name.empty()) return {};
    QIcon own(ToQt(forms::App().Path() + "/pictures/tools/" + name + ".xpm"));
    return DesktopHasIconTheme() ? QIcon::fromTheme(ToQt(name), own) : own;
}

}  // namespace qtview
