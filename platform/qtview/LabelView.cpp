#include "platform/qtview/LabelView.h"

#include <QLabel>

#include "platform/forms/BasicControls.h"
#include "platform/qtview/Convert.h"

namespace qtview {
namespace {

Qt::Alignment AlignmentOf(int alignment) {
    switch (alignment) {
        case 1:
            return Qt::AlignRight | Qt::AlignTop;
        case 2:
            return Qt::AlignHCenter | Qt::AlignTop;
        default:
            return Qt::AlignLeft | Qt::AlignTop;
    }
}

}  // namespace

LabelView::LabelView(forms::Control& control, FormWindow& window) : ViewBase(control, window) {
    auto* label = new QLabel;
    label->setTextFormat(Qt::PlainText);
    SetWidget(label);
    OnClick(*label, [this] { Model().RaiseEvent("Click"); });
}

void LabelView::Sync(std::string_view name) {
    auto& label = static_cast<QLabel&>(*Widget());
    const forms::Control& model = Model();
    bool all = name.empty();
    if (all || name == "Caption" || name == "UseMnemonic") {
        QString caption = ToQt(static_cast<const forms::Label&>(model).Caption());
        label.setText(model.Get("UseMnemonic").ToBool() ? WithoutMnemonics(caption) : caption);
    }
    if (all || name == "Alignment")
        label.setAlignment(AlignmentOf(model.Get("Alignment").ToInteger()));
    if (all || name == "WordWrap" || name == "AutoSize")
        label.setWordWrap(!model.Get("AutoSize").ToBool() || model.Get("WordWrap").ToBool());
    if (all || name == "BorderStyle")
        label.setFrameStyle(model.Get("BorderStyle").ToInteger() == 1 ? QFrame::Box | QFrame::Plain
                                                                      : QFrame::NoFrame);
    if (all || name == "ForeColor" || name == "BackColor" || name == "BackStyle") ShowColors(label);
}

}  // namespace qtview
