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
    return WrapBitmap(loaded->Image()).copy();
}

QIcon ToolPicture(const std::string& name) {
    if (name.empty()) return {};
    const QString own = ToQt(forms::App().Path() + "/pictures/tools/" + name + ".xpm");
    return QIcon::fromTheme(ToQt(name), QIcon(own));
}

}  // namespace qtview
