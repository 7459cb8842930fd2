#include "platform/forms/PropertyBag.h"

#include <nlohmann/json.hpp>

#include "platform/forms/Description.h"

namespace forms {
namespace {

bool IsNumber(const vb::Variant& value) {
    switch (value.Type()) {
        case vb::VarType::Empty:
        case vb::VarType::Integer:
        case vb::VarType::Long:
        case vb::VarType::Single:
        case vb::VarType::Double:
        case vb::VarType::Boolean:
            return true;
        default:
            return false;
    }
}

}  // namespace

bool SameValue(const vb::Variant& a, const vb::Variant& b) {
    if (IsNumber(a) && IsNumber(b)) return a.ToDouble() == b.ToDouble();
    if (a.IsString() && b.IsString()) return a.StringRef() == b.StringRef();
    if (a.IsObject() && b.IsObject()) return a.ToObject() == b.ToObject();
    return a.Type() == b.Type() && a == b;
}

vb::Variant PropertyBag::ReadProperty(std::string_view name,
                                      const vb::Variant& defaultValue) const {
    auto it = values_.find(name);
    return it != values_.end() ? it->second : defaultValue;
}

void PropertyBag::WriteProperty(std::string_view name, const vb::Variant& value,
                                const vb::Variant& defaultValue) {
    if (SameValue(value, defaultValue)) return;
    Put(name, value);
}

bool PropertyBag::Contains(std::string_view name) const {
    return values_.contains(name);
}

void PropertyBag::Put(std::string_view name, const vb::Variant& value) {
    auto it = values_.find(name);
    if (it != values_.end())
        it->second = value;
    else
        values_.emplace(std::string(name), value);
}

PropertyBag PropertyBag::FromDescription(const nlohmann::json& properties) {
    PropertyBag bag;
    for (const auto& [name, value] : properties.items())
        bag.Put(name, value.is_object() ? vb::Variant(FontFromDescription(value))
                                        : VariantFromDescription(value));
    return bag;
}

}  // namespace forms
