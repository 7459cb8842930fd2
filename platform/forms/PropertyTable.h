#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/vb/Variant.h"

namespace forms {

class PropertyObject;

// The properties an object type exposes by name, for late-bound access and for window
// descriptions.  A table extends its base type's table.  Names compare without case.
class PropertyTable {
public:
    using Getter = std::function<vb::Variant(const PropertyObject&)>;
    using Setter = std::function<void(PropertyObject&, const vb::Variant&)>;

    struct Entry {
        std::string name;  // as the type spells it
        Getter get;
        Setter set;  // empty for read-only properties
    };

    explicit PropertyTable(const PropertyTable* base = nullptr) : base_(base) {}

    // A property kept in the object's property bag, with its default.
    PropertyTable& Stored(std::string name, vb::Variant defaultValue);
    // A property backed by member functions of T.
    template <class T, class V>
    PropertyTable& Typed(std::string name, V (T::*get)() const, void (T::*set)(V) = nullptr);
    template <class T, class V>
    PropertyTable& Typed(std::string name, V (T::*get)() const, void (T::*set)(const V&));
    PropertyTable& Add(std::string name, Getter get, Setter set);

    const Entry* Find(std::string_view name) const;
    // Every entry, base entries first.
    std::vector<const Entry*> All() const;

private:
    const PropertyTable* base_;
    std::vector<Entry> entries_;
    std::unordered_map<std::string, size_t> index_;  // folded name -> entry
};

// Conversions between Variants and the C++ types properties use.
template <class V>
V FromVariant(const vb::Variant& value) {
    if constexpr (std::is_same_v<V, vb::Variant>) {
        return value;
    } else if constexpr (std::is_same_v<V, std::string>) {
        return value.ToString();
    } else if constexpr (std::is_same_v<V, bool>) {
        return value.ToBool();
    } else if constexpr (std::is_same_v<V, vb::Integer>) {
        return value.ToInteger();
    } else if constexpr (std::is_same_v<V, vb::Long>) {
        return value.ToLong();
    } else if constexpr (std::is_same_v<V, vb::Single>) {
        return value.ToSingle();
    } else if constexpr (std::is_same_v<V, double>) {
        return value.ToDouble();
    } else {
        return value.As<typename V::element_type>();
    }
}

template <class V>
vb::Variant ToVariant(const V& value) {
    if constexpr (std::is_convertible_v<V, vb::ObjectRef> && !std::is_same_v<V, vb::Variant>) {
        return vb::Variant(vb::ObjectRef(value));
    } else {
        return vb::Variant(value);
    }
}

template <class T, class V>
PropertyTable& PropertyTable::Typed(std::string name, V (T::*get)() const, void (T::*set)(V)) {
    Setter setter;
    if (set) {
        setter = [set](PropertyObject& o, const vb::Variant& v) {
            (static_cast<T&>(o).*set)(FromVariant<std::decay_t<V>>(v));
        };
    }
    return Add(
        std::move(name),
        [get](const PropertyObject& o) { return ToVariant((static_cast<const T&>(o).*get)()); },
        std::move(setter));
}

template <class T, class V>
PropertyTable& PropertyTable::Typed(std::string name, V (T::*get)() const,
                                    void (T::*set)(const V&)) {
    return Add(
        std::move(name),
        [get](const PropertyObject& o) { return ToVariant((static_cast<const T&>(o).*get)()); },
        [set](PropertyObject& o, const vb::Variant& v) {
            (static_cast<T&>(o).*set)(FromVariant<std::decay_t<V>>(v));
        });
}

}  // namespace forms
