#include "platform/forms/PropertyObject.h"

#include "platform/vb/Error.h"

namespace forms {
namespace {

const vb::Variant& Nothing() {
    static const vb::Variant empty;
    return empty;
}

}  // namespace

vb::Variant PropertyObject::Get(std::string_view name) const {
    const PropertyTable::Entry* entry = Properties().Find(name);
    if (!entry) vb::Raise(vb::err::kNotSupported);
    if (entry->IsStored()) {
        const auto slot = static_cast<std::size_t>(entry->slot);
        if (slot < slots_.size() && !slots_[slot].IsEmpty()) return slots_[slot];
        return entry->defaultValue;
    }
    return entry->get(*this);
}

void PropertyObject::Let(std::string_view name, const vb::Variant& value) {
    const PropertyTable::Entry* entry = Properties().Find(name);
    if (!entry) vb::Raise(vb::err::kNotSupported);
    if (entry->IsStored()) return SetSlot(*entry, value);
    if (!entry->set)
        vb::Raise(vb::err::kPropertyReadOnly, "'" + entry->name + "' property is read-only");
    entry->set(*this, value);
}

const vb::Variant& PropertyObject::StoredValue(std::string_view name) const {
    const PropertyTable::Entry* entry = Properties().Find(name);
    if (entry && entry->IsStored()) {
        const auto slot = static_cast<std::size_t>(entry->slot);
        return slot < slots_.size() ? slots_[slot] : Nothing();
    }
    auto it = others_.find(std::string(name));
    return it != others_.end() ? it->second : Nothing();
}

void PropertyObject::SetStoredValue(std::string_view name, const vb::Variant& value) {
    const PropertyTable::Entry* entry = Properties().Find(name);
    if (entry && entry->IsStored()) return SetSlot(*entry, value);
    others_[std::string(name)] = value;
    PropertyChanged(name);
}

void PropertyObject::ClearStoredValues() {
    slots_.clear();
    others_.clear();
}

void PropertyObject::SetSlot(const PropertyTable::Entry& entry, const vb::Variant& value) {
    const auto slot = static_cast<std::size_t>(entry.slot);
    if (slot >= slots_.size()) slots_.resize(static_cast<std::size_t>(Properties().StoredCount()));
    slots_[slot] = value;
    PropertyChanged(entry.name);
}

}  // namespace forms
