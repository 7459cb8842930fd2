#pragma once

#include <algorithm>
#include <memory>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/PropertyObject.h"

namespace forms {

class Control;

// An entry of a control's item list (a tab, a toolbar button, a column header, a panel, a
// tool): its properties by name, changes reported to the control that owns it.
class Item : public PropertyObject {
public:
    Item(const PropertyTable& table, Control* owner) : table_(&table), owner_(owner) {}

    const PropertyTable& Properties() const override { return *table_; }
    Control* Owner() const { return owner_; }

    // Applies a description entry: properties by name; arrays go to LoadList.
    virtual void LoadDescription(const nlohmann::json& description);

protected:
    virtual void LoadList(std::string_view key, const nlohmann::json& items);
    void PropertyChanged(std::string_view name) override;

private:
    const PropertyTable* table_;
    Control* owner_;
};

// A 1-based list of items, found by position or by Key (compared without case).
template <class T = Item>
class ItemList {
public:
    vb::Long Count() const { return static_cast<vb::Long>(items_.size()); }
    // Raises error 35600 ("Index out of bounds") as the common controls do.
    T& operator()(vb::Long index) const;
    T* Find(std::string_view key) const;
    T& Add(std::shared_ptr<T> item) {
        items_.push_back(std::move(item));
        return *items_.back();
    }
    void Clear() { items_.clear(); }
    // Puts the items in order, equal ones keeping theirs.
    template <class Less>
    void Sort(Less less) {
        std::stable_sort(items_.begin(), items_.end(),
                         [&less](const auto& a, const auto& b) { return less(*a, *b); });
    }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<std::shared_ptr<T>> items_;
};

[[noreturn]] void RaiseIndexOutOfBounds();
bool KeyMatches(const PropertyObject& item, std::string_view key);

template <class T>
T& ItemList<T>::operator()(vb::Long index) const {
    if (index < 1 || index > Count()) RaiseIndexOutOfBounds();
    return *items_[static_cast<size_t>(index - 1)];
}

template <class T>
T* ItemList<T>::Find(std::string_view key) const {
    for (const auto& item : items_)
        if (KeyMatches(*item, key)) return item.get();
    return nullptr;
}

}  // namespace forms

namespace forms {

// Fills `list` from a description's array, each entry an item of `table`.
template <class T = Item>
void LoadItemList(ItemList<T>& list, const nlohmann::json& entries, const PropertyTable& table,
                  Control* owner);

}  // namespace forms

#include <nlohmann/json.hpp>

template <class T>
void forms::LoadItemList(ItemList<T>& list, const nlohmann::json& entries,
                         const PropertyTable& table, Control* owner) {
    for (const nlohmann::json& entry : entries) {
        auto item = std::make_shared<T>(table, owner);
        item->LoadDescription(entry);
        list.Add(std::move(item));
    }
}
