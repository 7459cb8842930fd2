#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/vb/Variant.h"
#include "platform/vb/VariantCast.h"

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

using vb::FromVariant;
using vb::ToVariant;

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
