#pragma once

#include <string>
#include <vector>

#include "platform/forms/Control.h"
#include "platform/forms/Item.h"

namespace forms {

class ListView;

// A row of a list view: its Text (the first column), Key, Tag, and the texts of the other
// columns (SubItems 1, 2, ...).  Index is its place in the list's present order, from 1.
class ListItem : public Item {
public:
    ListItem(const PropertyTable& table, Control* owner) : Item(table, owner) {}

    std::string Text() const { return Get("Text").ToString(); }
    std::string Key() const { return Get("Key").ToString(); }
    // "" for a column that has no text yet.
    std::string SubItems(vb::Long index) const;
    void SetSubItems(vb::Long index, const std::string& text);
    vb::Long Index() const { return index_; }

    static const PropertyTable& Table();

private:
    friend class ListView;
    std::vector<std::string> subItems_;
    vb::Long index_ = 0;
};

// A list view in report style: column headers (Text, Tag, Width, Index), rows, and sorting by
// one column's text, ignoring case.  A person's click on a header raises ColumnClick with
// that header.
class ListView : public Control {
public:
    bool TakesFocus() const override { return true; }
    using Control::Control;

    static constexpr vb::Integer lvwAscending = 0;
    static constexpr vb::Integer lvwDescending = 1;

    ItemList<>& ColumnHeaders() { return columns_; }
    // ColumnHeaders.Add: a header at the end.
    Item& AddColumn(const std::string& text, vb::Single width = 1440);

    const ItemList<ListItem>& ListItems() const { return items_; }
    // ListItems.Add: a row at the end (in its sorted place when the list is sorted); error
    // 35602 when the key is already in use.
    ListItem& AddItem(const std::string& key, const std::string& text);
    void ClearItems();

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    // The column sorted by, from 0.
    vb::Integer SortKey() const { return sortKey_; }
    void SetSortKey(vb::Integer key);
    vb::Integer SortOrder() const { return sortOrder_; }
    void SetSortOrder(vb::Integer order);

    // A person's click on header `index` (from 1).
    void ClickColumn(vb::Long index);

    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }

protected:
    void LoadItems(std::string_view key, const nlohmann::json& items) override;

private:
    friend class ListItem;
    void Resort();
    void Renumber();

    ItemList<> columns_;
    ItemList<ListItem> items_;
    bool sorted_ = false;
    vb::Integer sortKey_ = 0;
    vb::Integer sortOrder_ = lvwAscending;
};

}  // namespace forms
