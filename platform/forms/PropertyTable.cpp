#include "platform/forms/PropertyTable.h"

#include "platform/forms/PropertyObject.h"

namespace forms {
namespace {

std::string Fold(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

}  // namespace

PropertyTable& PropertyTable::Add(std::string name, Getter get, Setter set) {
    index_[Fold(name)] = entries_.size();
    entries_.push_back(Entry{std::move(name), std::move(get), std::move(set)});
    return *this;
}

PropertyTable& PropertyTable::Stored(std::string name, vb::Variant defaultValue) {
    std::string key = name;
    return Add(
        std::move(name),
        [key, defaultValue](const PropertyObject& o) {
            const vb::Variant& value = o.StoredValue(key);
            return value.IsEmpty() ? defaultValue : value;
        },
        [key](PropertyObject& o, const vb::Variant& v) { o.SetStoredValue(key, v); });
}

const PropertyTable::Entry* PropertyTable::Find(std::string_view name) const {
    auto it = index_.find(Fold(name));
    if (it != index_.end()) return &entries_[it->second];
    return base_ ? base_->Find(name) : nullptr;
}

std::vector<const PropertyTable::Entry*> PropertyTable::All() const {
    std::vector<const Entry*> all = base_ ? base_->All() : std::vector<const Entry*>{};
    for (const Entry& e : entries_)
        all.push_back(&e);
    return all;
}

}  // namespace forms
