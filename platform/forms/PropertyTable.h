#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/vb/Variant.h"
#include "platform/vb/VariantCast.h"

namespace forms {

class PropertyObject;

// Hash and equality of names without case, for lookups that fold nothing into a new string.
struct FoldedNameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const;
};
struct FoldedNameEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

// The properties an object type exposes by name, for late-bound access and for window
// descriptions.  A table extends its base type's table.  Names compare without case; a
// lookup costs one hash, whatever the depth of the base tables.
class PropertyTable {
public:
    using Getter = std::function<vb::Variant(const PropertyObject&)>;
    using Setter = std::function<void(PropertyObject&, const vb::Variant&)>;

    struct Entry {
        std::string name;  // as the type spells it
        Getter get;
        Setter set;  // empty for read-only properties
        // A property kept in the object's property bag: its place there and its default.
        int slot = -1;
        vb::Variant defaultValue;

        bool IsStored() const { return slot >= 0; }
    };

    explicit PropertyTable(const PropertyTable* base = nullptr);
    // The index points into the entries, which a copy would not bring along.
    PropertyTable(const PropertyTable&) = delete;
    PropertyTable& operator=(const PropertyTable&) = delete;
    PropertyTable(PropertyTable&&) = default;

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
    // The places a property bag of this type needs.
    int StoredCount() const { return storedCount_; }

private:
    PropertyTable& Insert(Entry entry);

    const PropertyTable* base_;
    std::deque<Entry> entries_;  // never moves an entry, so the index may point at them
    // Every name of the table and its bases; an entry overrides its base's of the same name.
    std::unordered_map<std::string_view, const Entry*, FoldedNameHash, FoldedNameEqual> index_;
    int storedCount_ = 0;
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
