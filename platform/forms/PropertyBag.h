#pragma once

#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/forms/PropertyTable.h"
#include "platform/vb/Variant.h"

namespace forms {

// The saved properties of a control, by name (names compare without case).  A control reads
// each with a default and writes each with a default; a write of a value equal to its
// default stores nothing and leaves whatever the name held.
class PropertyBag {
public:
    vb::Variant ReadProperty(std::string_view name, const vb::Variant& defaultValue = {}) const;
    void WriteProperty(std::string_view name, const vb::Variant& value,
                       const vb::Variant& defaultValue = {});
    bool Contains(std::string_view name) const;
    std::size_t Count() const { return values_.size(); }

    // A window description's saved properties: numbers, texts, flags, and fonts as objects
    // with Name, Size, Bold, Italic, Underline.
    static PropertyBag FromDescription(const nlohmann::json& properties);

private:
    void Put(std::string_view name, const vb::Variant& value);

    // By the spelling first written; found without case.
    std::unordered_map<std::string, vb::Variant, FoldedNameHash, FoldedNameEqual> values_;
};

// The language's equality of two values: numbers (and flags) by value, texts by their
// characters, objects by reference; values of different kinds are not equal.
bool SameValue(const vb::Variant& a, const vb::Variant& b);

}  // namespace forms
