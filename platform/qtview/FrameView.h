#pragma once

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A frame: a captioned box whose controls sit inside it.
class FrameView : public ViewBase {
public:
    FrameView(forms::Control& control, FormWindow& window);
    QWidget* ChildArea() const override { return Widget(); }

protected:
    void Sync(std::string_view name) override;
};

}  // namespace qtview
