#include "platform/forms/PropertyObject.h"

#include "platform/vb/Error.h"

namespace forms {

vb::Variant PropertyObject::Get(std::string_view name) const {
    const PropertyTable::Entry* entry = Properties().Find(name);
    if (!entry) vb::Raise(vb::err::kNotSupported);
    return entry->get(*this);
}

void PropertyObject::Let(std::string_view name, const vb::Variant& value) {
    const PropertyTable::Entry* entry = Properties().Find(name);
    if (!entry) vb::Raise(vb::err::kNotSupported);
    if (!entry->set)
        vb::Raise(vb::err::kPropertyReadOnly, "'" + entry->name + "' property is read-only");
    entry->set(*this, value);
}

const vb::Variant& PropertyObject::StoredValue(std::string_view name) const {
    static const vb::Variant empty;
    auto it = bag_.find(std::string(name));
    return it != bag_.end() ? it->second : empty;
}

void PropertyObject::SetStoredValue(std::string_view name, const vb::Variant& value) {
    bag_[std::string(name)] = value;
    PropertyChanged(name);
}

}  // namespace forms
