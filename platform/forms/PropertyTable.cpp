#include "platform/forms/PropertyTable.h"

#include "platform/forms/PropertyObject.h"

namespace forms {
namespace {

unsigned char FoldedChar(char c) {
    return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

}  // namespace

std::size_t FoldedNameHash::operator()(std::string_view name) const {
    // FNV-1a over the folded bytes.
    std::size_t hash = 14695981039346656037ull;
    for (char c : name)
        hash = (hash ^ FoldedChar(c)) * 1099511628211ull;
    return hash;
}

bool FoldedNameEqual::operator()(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldedChar(a[i]) != FoldedChar(b[i])) return false;
    return true;
}

PropertyTable::PropertyTable(const PropertyTable* base) : base_(base) {
    if (base_) {
        index_ = base_->index_;
        storedCount_ = base_->storedCount_;
    }
}

PropertyTable& PropertyTable::Insert(Entry entry) {
    const Entry& added = entries_.emplace_back(std::move(entry));
    // The key views the entry's own name; a base entry of the same name gives way.
    index_.erase(std::string_view(added.name));
    index_.emplace(std::string_view(added.name), &added);
    return *this;
}

PropertyTable& PropertyTable::Add(std::string name, Getter get, Setter set) {
    return Insert(Entry{std::move(name), std::move(get), std::move(set), -1, {}});
}

PropertyTable& PropertyTable::Stored(std::string name, vb::Variant defaultValue) {
    const int slot = storedCount_++;
    return Insert(Entry{std::move(name), nullptr, nullptr, slot, std::move(defaultValue)});
}

const PropertyTable::Entry* PropertyTable::Find(std::string_view name) const {
    auto it = index_.find(name);
    return it != index_.end() ? it->second : nullptr;
}

std::vector<const PropertyTable::Entry*> PropertyTable::All() const {
    std::vector<const Entry*> all = base_ ? base_->All() : std::vector<const Entry*>{};
    for (const Entry& e : entries_)
        all.push_back(&e);
    return all;
}

}  // namespace forms
