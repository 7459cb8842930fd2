#include "platform/qtview/ImageView.h"

#include <QPainter>

#include "platform/forms/BasicControls.h"
#include "platform/qtview/Pictures.h"

namespace qtview {
namespace {

class ImageWidget : public QWidget {
public:
    ImageWidget(const ImageView& view) : view_(view) {}

protected:
    void paintEvent(QPaintEvent*) override {
        const QImage& picture = view_.Picture();
        if (picture.isNull()) return;
        QPainter painter(this);
        if (view_.Model().Get("Stretch").ToBool())
            painter.drawImage(rect(), picture);
        else
            painter.drawImage(QPoint(0, 0), picture);
    }

private:
    const ImageView& view_;
};

}  // namespace

ImageView::ImageView(forms::Control& control, FormWindow& window) : ViewBase(control, window) {
    auto* image = new ImageWidget(*this);
    SetWidget(image);
    OnClick(*image, [this] { static_cast<forms::Image&>(Model()).Click(); });
}

void ImageView::Sync(std::string_view name) {
    if (name.empty() || name == "Picture") picture_ = PictureImage(Model().Get("Picture"));
    Widget()->update();
}

}  // namespace qtview
