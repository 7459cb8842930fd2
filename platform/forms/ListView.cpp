#include "platform/forms/ListView.h"

#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"

namespace forms {
namespace {

const PropertyTable& ColumnTable() {
    static const PropertyTable table = [] {
        PropertyTable t;
        t.Stored("Text", "")
            .Stored("Tag", "")
            .Stored("Key", "")
            .Stored("Width", 1440.0)
            .Stored("Alignment", vb::Integer{0})
            .Stored("Index", vb::Long{0});
        return t;
    }();
    return table;
}

void NumberColumns(ItemList<>& columns) {
    vb::Long index = 0;
    for (const auto& column : columns)
        column->SetStoredValue("Index", ++index);
}

// The text of column `key` (0 the item's own text) as the sort compares it.
std::string SortText(const ListItem& item, vb::Integer key) {
    return vb::LCase(key == 0 ? item.Text() : item.SubItems(key));
}

}  // namespace

const PropertyTable& ListItem::Table() {
    static const PropertyTable table = [] {
        PropertyTable t;
        t.Stored("Text", "").Stored("Key", "").Stored("Tag", "");
        return t;
    }();
    return table;
}

std::string ListItem::SubItems(vb::Long index) const {
    if (index < 1) vb::Raise(vb::err::kInvalidPropertyValue);
    auto at = static_cast<size_t>(index - 1);
    return at < subItems_.size() ? subItems_[at] : std::string();
}

void ListItem::SetSubItems(vb::Long index, const std::string& text) {
    if (index < 1) vb::Raise(vb::err::kInvalidPropertyValue);
    auto at = static_cast<size_t>(index - 1);
    if (subItems_.size() <= at) subItems_.resize(at + 1);
    subItems_[at] = text;
    if (auto* list = dynamic_cast<ListView*>(Owner())) list->Resort();
    PropertyChanged("SubItems");
}

const PropertyTable& ListView::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&Control::Table());
        t.Stored("View", vb::Integer{3})
            .Stored("FullRowSelect", false)
            .Stored("LabelEdit", vb::Integer{0})
            .Typed("Sorted", &ListView::Sorted, &ListView::SetSorted)
            .Typed("SortKey", &ListView::SortKey, &ListView::SetSortKey)
            .Typed("SortOrder", &ListView::SortOrder, &ListView::SetSortOrder);
        return t;
    }();
    return table;
}

void ListView::LoadItems(std::string_view key, const nlohmann::json& items) {
    if (key != "ColumnHeaders") return Control::LoadItems(key, items);
    LoadItemList(columns_, items, ColumnTable(), this);
    NumberColumns(columns_);
}

Item& ListView::AddColumn(const std::string& text, vb::Single width) {
    auto column = std::make_shared<Item>(ColumnTable(), this);
    column->SetStoredValue("Text", text);
    column->SetStoredValue("Width", static_cast<double>(width));
    Item& added = columns_.Add(std::move(column));
    NumberColumns(columns_);
    PropertyChanged("ColumnHeaders");
    return added;
}

ListItem& ListView::AddItem(const std::string& key, const std::string& text) {
    if (!key.empty() && items_.Find(key))
        vb::Raise(vb::err::kKeyNotUnique, "Key is not unique in collection");
    auto item = std::make_shared<ListItem>(ListItem::Table(), this);
    item->SetStoredValue("Key", key);
    item->SetStoredValue("Text", text);
    ListItem& added = items_.Add(std::move(item));
    Resort();
    return added;
}

void ListView::ClearItems() {
    items_.Clear();
    PropertyChanged("ListItems");
}

void ListView::SetSorted(bool sorted) {
    sorted_ = sorted;
    Resort();
}

void ListView::SetSortKey(vb::Integer key) {
    if (key < 0) vb::Raise(vb::err::kInvalidPropertyValue);
    sortKey_ = key;
    Resort();
}

void ListView::SetSortOrder(vb::Integer order) {
    if (order != lvwAscending && order != lvwDescending) vb::Raise(vb::err::kInvalidPropertyValue);
    sortOrder_ = order;
    Resort();
}

void ListView::Resort() {
    if (sorted_) {
        const vb::Integer key = sortKey_;
        if (sortOrder_ == lvwAscending)
            items_.Sort([key](const ListItem& a, const ListItem& b) {
                return SortText(a, key) < SortText(b, key);
            });
        else
            items_.Sort([key](const ListItem& a, const ListItem& b) {
                return SortText(b, key) < SortText(a, key);
            });
    }
    Renumber();
    PropertyChanged("ListItems");
}

void ListView::Renumber() {
    vb::Long index = 0;
    for (const auto& item : items_)
        item->index_ = ++index;
}

void ListView::ClickColumn(vb::Long index) {
    if (index < 1 || index > columns_.Count()) RaiseIndexOutOfBounds();
    EventArgs args{vb::Variant(vb::ObjectRef(columns_.begin()[index - 1]))};
    RaiseEvent("ColumnClick", args);
}

}  // namespace forms
