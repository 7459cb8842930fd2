#include "platform/forms/ListControl.h"

#include <algorithm>
#include <cstdint>
#include <nlohmann/json.hpp>

#include "platform/gdi/SystemColors.h"
#include "platform/vb/Error.h"

namespace forms {
namespace {

constexpr size_t kMostEntries = INT16_MAX;
constexpr vb::Integer kSimpleCombo = 1;

}  // namespace

const PropertyTable& ListControl::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&Control::Table());
        t.Typed("ListIndex", &ListControl::ListIndex, &ListControl::SetListIndex)
            .Typed<ListControl, vb::Integer>("ListCount", &ListControl::ListCount)
            .Typed("Text", &ListControl::Text, &ListControl::SetText)
            .Stored("Sorted", false)
            .Stored("BackColor", gdi::SystemColorValue(gdi::SystemColor::Window))
            .Stored("ForeColor", gdi::SystemColorValue(gdi::SystemColor::WindowText));
        return t;
    }();
    return table;
}

const PropertyTable& ComboBox::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&ListControl::Table());
        t.Stored("Style", vb::Integer{0}).Stored("Locked", false);
        return t;
    }();
    return table;
}

bool ComboBox::OpenListByPerson() {
    if (!FocusFromPerson()) return false;
    // A simple combo (style 1) shows its list all the time: it never drops down.
    if (Get("Style").ToInteger() != kSimpleCombo) RaiseEvent("DropDown");
    return true;
}

const PropertyTable& ListBox::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&ListControl::Table());
        t.Stored("MultiSelect", vb::Integer{0}).Stored("Style", vb::Integer{0});
        return t;
    }();
    return table;
}

void ListControl::CheckIndex(vb::Integer index) const {
    if (index < 0 || index >= ListCount()) vb::Raise(vb::err::kInvalidCall);
}

void ListControl::SetListIndex(vb::Integer index) {
    if (index < -1 || index >= ListCount()) vb::Raise(vb::err::kInvalidPropertyValue);
    listIndex_ = index;
    if (index >= 0) text_ = items_[static_cast<size_t>(index)].text;
    PropertyChanged("ListIndex");
    RaiseEvent("Click");
}

std::string ListControl::List(vb::Integer index) const {
    if (index < 0 || index >= ListCount()) return {};
    return items_[static_cast<size_t>(index)].text;
}

void ListControl::SetList(vb::Integer index, const std::string& text) {
    CheckIndex(index);
    items_[static_cast<size_t>(index)].text = text;
    PropertyChanged("List");
}

vb::Long ListControl::ItemData(vb::Integer index) const {
    CheckIndex(index);
    return items_[static_cast<size_t>(index)].data;
}

void ListControl::SetItemData(vb::Integer index, vb::Long data) {
    CheckIndex(index);
    items_[static_cast<size_t>(index)].data = data;
}

void ListControl::AddItem(const std::string& text, vb::Integer index) {
    if (index > ListCount() || index < -1) vb::Raise(vb::err::kInvalidCall);
    if (items_.size() >= kMostEntries) vb::Raise(vb::err::kOutOfMemory);
    auto at = items_.end();
    if (index >= 0) {
        at = items_.begin() + index;
    } else if (Get("Sorted").ToBool()) {
        at = std::upper_bound(items_.begin(), items_.end(), text,
                              [](const std::string& t, const Entry& e) { return t < e.text; });
    }
    auto position = static_cast<vb::Integer>(at - items_.begin());
    items_.insert(at, Entry{text, 0});
    if (listIndex_ >= position) ++listIndex_;
    PropertyChanged("List");
}

void ListControl::RemoveItem(vb::Integer index) {
    CheckIndex(index);
    items_.erase(items_.begin() + index);
    if (listIndex_ == index)
        listIndex_ = -1;
    else if (listIndex_ > index)
        --listIndex_;
    PropertyChanged("List");
}

void ListControl::Clear() {
    items_.clear();
    listIndex_ = -1;
    text_.clear();
    PropertyChanged("List");
}

std::string ListControl::Text() const {
    return text_;
}

void ListControl::SetText(const std::string& text) {
    text_ = text;
    PropertyChanged("Text");
    RaiseEvent("Change");
}

void ListControl::LoadItems(std::string_view key, const nlohmann::json& items) {
    if (key != "List") return Control::LoadItems(key, items);
    for (const nlohmann::json& item : items)
        AddItem(item.get<std::string>());
}

}  // namespace forms
