#include "platform/qtview/ListBoxView.h"

#include <QListWidget>

#include "platform/qtview/CurrentOnFocus.h"
#include "platform/qtview/ListItems.h"

namespace qtview {
namespace {

// QListWidget with the item calls MatchEntries uses.
class EntryList : public QListWidget {
public:
    QString itemText(int row) const { return item(row)->text(); }
    void setItemText(int row, const QString& text) { item(row)->setText(text); }
    void removeItem(int row) { delete takeItem(row); }
};

}  // namespace

ListBoxView::ListBoxView(forms::Control& control, FormWindow& window) : ViewBase(control, window) {
    auto* list = new EntryList;
    SetWidget(list);
    QObject::connect(list, &QListWidget::currentRowChanged, [this](int row) {
        if (!Syncing() && row >= 0) ListOf(Model()).SetListIndex(static_cast<vb::Integer>(row));
    });
    // Without a choice the first entry carries the mark, still unchosen.
    ShowCurrentOnFocus(*list, [this, list] {
        if (list->count() > 0)
            Quietly([&] { list->setCurrentRow(0, QItemSelectionModel::NoUpdate); });
    });
}

void ListBoxView::Sync(std::string_view name) {
    auto& list = static_cast<EntryList&>(*Widget());
    const forms::ListControl& model = ListOf(Model());
    bool all = name.empty();
    if (all || name == "List") MatchEntries(list, EntriesOf(model));
    if (all || name == "List" || name == "ListIndex") list.setCurrentRow(model.ListIndex());
    if (all || name == "ForeColor" || name == "BackColor") ShowColors(list);
}

}  // namespace qtview
