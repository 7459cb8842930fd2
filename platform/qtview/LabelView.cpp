#include "platform/qtview/LabelView.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

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

// A label that shows as much of its caption as its box holds: the last line that fits ends in
// "…", and the whole caption becomes the tooltip, so that no text is cut off unseen.
class FittingLabel : public QLabel {
public:
    FittingLabel() { setTextFormat(Qt::PlainText); }

    // The setters leave the refit to their caller, which refits once for all it changed.
    void SetOwnTip(const QString& tip) { ownTip_ = tip; }
    // A label sized to its caption is never cut.
    void SetFitting(bool fitting) { fitting_ = fitting; }
    void Refit() {
        shown_ = fitting_ ? Fitted() : QString();
        QString tip = ownTip_;
        if (!shown_.isEmpty()) tip = ownTip_.isEmpty() ? text() : text() + "\n\n" + ownTip_;
        if (toolTip() != tip) setToolTip(tip);
        update();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        Refit();
    }
    void changeEvent(QEvent* event) override {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::FontChange) Refit();
    }
    void paintEvent(QPaintEvent* event) override {
        if (shown_.isEmpty()) return QLabel::paintEvent(event);
        QPainter painter(this);
        drawFrame(&painter);
        style()->drawItemText(&painter, Room(), static_cast<int>(alignment()), palette(),
                              isEnabled(), shown_, foregroundRole());
    }

private:
    QRect Room() const { return contentsRect().adjusted(margin(), margin(), -margin(), -margin()); }

    // The caption as far as the box holds it, or "" when it shows whole.
    QString Fitted() const {
        const QRect room = Room();
        if (text().isEmpty() || room.width() <= 0) return {};
        const QFontMetrics metrics(font());
        // Most captions are one line that fits: they need no layout.
        if (!text().contains(QLatin1Char('\n')) &&
            metrics.horizontalAdvance(text()) <= room.width())
            return {};
        QString flowing = text();
        flowing.replace('\n', QChar::LineSeparator);
        QTextLayout layout(flowing, font());
        QTextOption option(alignment());
        option.setWrapMode(wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
        layout.setTextOption(option);
        QStringList lines;
        bool whole = true;
        int rest = 0;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(room.width());
            const int top = metrics.lineSpacing() * static_cast<int>(lines.size());
            // A line whose letters would fall below the box starts what is cut off; the first
            // line shows in any case.
            if (!lines.isEmpty() && top + metrics.ascent() > room.height()) {
                whole = false;
                break;
            }
            if (line.naturalTextWidth() > room.width()) whole = false;
            lines.append(flowing.mid(line.textStart(), line.textLength()));
            rest = line.textStart();
        }
        layout.endLayout();
        if (whole) return {};
        // Every line shown keeps what fits of it; the last takes in all that follows.
        lines.removeLast();
        lines.append(flowing.mid(rest));
        for (QString& line : lines) {
            line.replace(QChar::LineSeparator, ' ');
            line = metrics.elidedText(line.trimmed(), Qt::ElideRight, room.width());
        }
        return lines.join('\n');
    }

    QString shown_;  // what the box shows of a caption it cannot hold whole
    QString ownTip_;
    bool fitting_ = true;
};

}  // namespace

LabelView::LabelView(forms::Control& control, FormWindow& window) : ViewBase(control, window) {
    auto* label = new FittingLabel;
    SetWidget(label);
    OnClick(*label, [this] { Model().RaiseEvent("Click"); });
}

void LabelView::Sync(std::string_view name) {
    auto& label = static_cast<FittingLabel&>(*Widget());
    const forms::Control& model = Model();
    bool all = name.empty();
    bool refit = false;
    if (all || name == "Caption" || name == "UseMnemonic") {
        QString caption = ToQt(static_cast<const forms::Label&>(model).Caption());
        if (model.Get("UseMnemonic").ToBool()) caption = WithoutMnemonics(caption);
        refit = caption != label.text();
        if (refit) label.setText(caption);
    }
    if (all || name == "ToolTipText") {
        label.SetOwnTip(ToQt(model.ToolTipText()));
        refit = true;
    }
    if (all || name == "Alignment")
        label.setAlignment(AlignmentOf(model.Get("Alignment").ToInteger()));
    if (all || name == "WordWrap" || name == "AutoSize") {
        const bool autoSize = model.Get("AutoSize").ToBool();
        label.setWordWrap(!autoSize || model.Get("WordWrap").ToBool());
        label.SetFitting(!autoSize);
        refit = true;
    }
    if (all || name == "BorderStyle") {
        label.setFrameStyle(model.Get("BorderStyle").ToInteger() == 1 ? QFrame::Box | QFrame::Plain
                                                                      : QFrame::NoFrame);
        refit = true;
    }
    if (refit) label.Refit();
    if (all || name == "ForeColor" || name == "BackColor" || name == "BackStyle") ShowColors(label);
}

}  // namespace qtview
