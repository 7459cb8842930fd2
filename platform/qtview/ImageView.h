#pragma once

#include <QImage>

#include "platform/qtview/ViewBase.h"

namespace qtview {

// An image control: its Picture at its natural size, or stretched to the control when
// Stretch is set; a click raises Click.
class ImageView : public ViewBase {
public:
    ImageView(forms::Control& control, FormWindow& window);

    const QImage& Picture() const { return picture_; }

protected:
    void Sync(std::string_view name) override;

private:
    QImage picture_;
};

}  // namespace qtview
