#include "platform/qtview/StatusBarView.h"

#include <QHBoxLayout>
#include <QLabel>

#include "platform/forms/ItemControls.h"
#include "platform/qtview/Convert.h"

namespace qtview {
namespace {

constexpr int kAutoSizeSpring = 1;

}  // namespace

StatusBarView::StatusBarView(forms::Control& control, FormWindow& window)
    : ViewBase(control, window) {
    auto* bar = new QFrame;
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    SetWidget(bar);
}

void StatusBarView::Sync(std::string_view) {
    auto& bar = static_cast<QFrame&>(*Widget());
    auto* layout = static_cast<QHBoxLayout*>(bar.layout());
    auto& panels = static_cast<forms::StatusBar&>(Model()).Panels();
    QList<QLabel*> boxes = bar.findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    if (boxes.size() != panels.Count()) {
        qDeleteAll(boxes);
        boxes.clear();
        for (const auto& panel : panels) {
            auto* box = new QLabel(&bar);
            box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            box->setTextFormat(Qt::PlainText);
            bool spring = panel->Get("AutoSize").ToInteger() == kAutoSizeSpring;
            layout->addWidget(box, spring ? 1 : 0);
            boxes.push_back(box);
        }
    }
    qsizetype i = 0;
    for (const auto& panel : panels) {
        QLabel* box = boxes[i++];
        box->setText(ToQt(panel->Get("Text").ToString()));
        box->setToolTip(ToQt(panel->Get("ToolTipText").ToString()));
        box->setMinimumWidth(TwipsToPixelsX(panel->Get("MinWidth").ToDouble()));
        if (panel->Get("AutoSize").ToInteger() != kAutoSizeSpring)
            box->setFixedWidth(TwipsToPixelsX(panel->Get("Width").ToDouble()));
        box->setVisible(panel->Get("Visible").ToBool());
    }
}

}  // namespace qtview
