#pragma once

#include <QStringList>
#include <algorithm>

#include "platform/forms/ListControl.h"

namespace qtview {

inline forms::ListControl& ListOf(forms::Control& control) {
    return static_cast<forms::ListControl&>(control);
}

// The entries of a list or combo box as Qt shows them.
QStringList EntriesOf(const forms::ListControl& list);

// Brings a widget's entries in line with `entries`, touching only what differs, so that a
// list filled one AddItem at a time stays cheap.  The widget offers count, itemText,
// setItemText, addItem and removeItem.
template <class Widget>
void MatchEntries(Widget& widget, const QStringList& entries) {
    int shared = std::min<int>(widget.count(), static_cast<int>(entries.size()));
    for (int i = 0; i < shared; ++i)
        if (widget.itemText(i) != entries[i]) widget.setItemText(i, entries[i]);
    while (widget.count() > entries.size())
        widget.removeItem(widget.count() - 1);
    for (auto i = static_cast<qsizetype>(widget.count()); i < entries.size(); ++i)
        widget.addItem(entries[i]);
}

}  // namespace qtview
