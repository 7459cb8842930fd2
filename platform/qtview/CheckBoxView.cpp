#include "platform/qtview/CheckBoxView.h"

#include <QCheckBox>

#include "platform/forms/CheckBox.h"
#include "platform/forms/Constants.h"
#include "platform/qtview/Convert.h"

namespace qtview {

CheckBoxView::CheckBoxView(forms::Control& control, FormWindow& window)
    : ViewBase(control, window) {
    auto* box = new QCheckBox;
    SetWidget(box);
    QObject::connect(box, &QCheckBox::clicked, [this] {
        if (Syncing()) return;
        if (!Outlived([this] { static_cast<forms::CheckBox&>(Model()).Click(); })) return;
        // The model decides what the click did; a handler may have set Value again.
        Quietly([&] { Sync("Value"); });
    });
}

void CheckBoxView::Sync(std::string_view name) {
    auto& box = static_cast<QCheckBox&>(*Widget());
    const auto& model = static_cast<const forms::CheckBox&>(Model());
    bool all = name.empty();
    if (all || name == "Caption") box.setText(ToQt(model.Caption()));
    if (all || name == "Value") {
        static const Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
        box.setTristate(model.Value() == forms::vbGrayed);
        box.setCheckState(states[model.Value()]);
    }
    if (all || name == "BackColor") ShowColors(box);
}

}  // namespace qtview
