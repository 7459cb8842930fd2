#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <string>
#include <vector>

#include "platform/forms/Form.h"
#include "platform/qtview/QtHost.h"

// The captions of `form`'s labels and buttons that the window, as shown, cuts off: one entry
// "name: text" for each. A wrapping label must hold its lines, any other text its one line.
inline std::vector<std::string> ClippedTexts(qtview::QtHost& host, forms::Form& form) {
    std::vector<std::string> clipped;
    for (const auto& control : form.Controls()) {
        QWidget* widget = host.WidgetOf(*control);
        if (!widget || !widget->isVisibleTo(widget->window()) || widget->width() <= 0) continue;
        bool fits = true;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            text = label->text();
            if (text.isEmpty() || !label->pixmap().isNull()) continue;
            fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                     : label->sizeHint().width() <= label->width();
        } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
            text = push->text();
            if (text.isEmpty()) continue;
            // A push button's own hint holds a minimum width; only its text must fit inside.
            const int margins = 2 * push->style()->pixelMetric(QStyle::PM_ButtonMargin);
            fits = push->fontMetrics().horizontalAdvance(QString(text).remove('&')) + margins <=
                   push->width();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            text = button->text();
            if (text.isEmpty()) continue;
            fits = button->sizeHint().width() <= button->width();
        }
        if (!fits)
            clipped.push_back(control->Name() + "(" + std::to_string(control->Index()) +
                              "): " + text.toStdString());
    }
    return clipped;
}
