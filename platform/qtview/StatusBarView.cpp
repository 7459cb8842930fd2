#include "platform/qtview/StatusBarView.h"

#include <QFrame>
#include <QLabel>
#include <QResizeEvent>

#include "platform/forms/ItemControls.h"
#include "platform/qtview/Convert.h"

namespace qtview {
namespace {

// Room between the bar's edge and its boxes, and before a box's text, in pixels.
constexpr int kBarMargin = 2;
constexpr int kTextIndent = 3;

// A panel's box: it keeps the whole text and shows as much of it as its width holds.
class PanelBox : public QLabel {
public:
    explicit PanelBox(QWidget* bar) : QLabel(bar) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setTextFormat(Qt::PlainText);
        setIndent(kTextIndent);
        setMinimumWidth(0);
    }

    void SetWhole(const QString& text) {
        whole_ = text;
        Elide();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        Elide();
    }

private:
    void Elide() {
        const int room = std::max(0, contentsRect().width() - 2 * margin() - kTextIndent);
        setText(fontMetrics().elidedText(whole_, Qt::ElideRight, room));
    }

    QString whole_;
};

// The bar lays its boxes out again whenever its width changes.  It is opaque: controls that
// a small window leaves under it do not show through its panels.
class PanelBar : public QFrame {
public:
    explicit PanelBar(StatusBarView& view) : view_(view) { setAutoFillBackground(true); }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QFrame::resizeEvent(event);
        if (event->size().width() != event->oldSize().width()) view_.PlacePanels();
    }

private:
    StatusBarView& view_;
};

QList<PanelBox*> BoxesOf(QWidget& bar) {
    return bar.findChildren<PanelBox*>(Qt::FindDirectChildrenOnly);
}

void ShowPanel(PanelBox& box, const forms::Item& panel) {
    box.SetWhole(ToQt(panel.Get("Text").ToString()));
    box.setToolTip(ToQt(panel.Get("ToolTipText").ToString()));
}

}  // namespace

StatusBarView::StatusBarView(forms::Control& control, FormWindow& window)
    : ViewBase(control, window) {
    SetWidget(new PanelBar(*this));
}

void StatusBarView::Sync(std::string_view) {
    QWidget& bar = *Widget();
    auto& panels = static_cast<forms::StatusBar&>(Model()).Panels();
    QList<PanelBox*> boxes = BoxesOf(bar);
    if (boxes.size() != panels.Count()) {
        qDeleteAll(boxes);
        boxes.clear();
        for (vb::Long i = 0; i < panels.Count(); ++i)
            boxes.push_back(new PanelBox(&bar));
    }
    qsizetype i = 0;
    for (const auto& panel : panels)
        ShowPanel(*boxes[i++], *panel);
    PlacePanels();
}

void StatusBarView::ItemChanged(forms::Control& control, const forms::PropertyObject& item,
                                std::string_view name) {
    if (name != "Text" && name != "ToolTipText") return ViewBase::ItemChanged(control, item, name);
    auto& panels = static_cast<forms::StatusBar&>(Model()).Panels();
    QList<PanelBox*> boxes = BoxesOf(*Widget());
    if (boxes.size() != panels.Count()) return ViewBase::ItemChanged(control, item, name);
    qsizetype i = 0;
    for (const auto& panel : panels) {
        if (panel.get() == &item) return Quietly([&] { ShowPanel(*boxes[i], *panel); });
        ++i;
    }
    ViewBase::ItemChanged(control, item, name);
}

void StatusBarView::PlacePanels() {
    QWidget& bar = *Widget();
    QList<PanelBox*> boxes = BoxesOf(bar);
    const int inner = std::max(0, bar.width() - 2 * kBarMargin);
    const auto places = static_cast<forms::StatusBar&>(Model()).PanelPlaces(
        static_cast<vb::Single>(PixelsToTwipsX(inner)));
    if (static_cast<size_t>(boxes.size()) != places.size()) return;
    const int height = std::max(0, bar.height() - 2 * kBarMargin);
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        const auto& place = places[static_cast<size_t>(i)];
        const int left = TwipsToPixelsX(place.left);
        const int width = std::min(inner, TwipsToPixelsX(place.left + place.width)) - left;
        boxes[i]->setGeometry(kBarMargin + left, kBarMargin, std::max(0, width), height);
        boxes[i]->setVisible(width > 0);
    }
}

}  // namespace qtview
