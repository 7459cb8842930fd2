#include "platform/forms/Item.h"

#include <nlohmann/json.hpp>

#include "platform/forms/Control.h"
#include "platform/forms/Description.h"
#include "platform/vb/Error.h"

namespace forms {

void Item::LoadDescription(const nlohmann::json& description) {
    for (const auto& [key, value] : description.items()) {
        if (value.is_array())
            LoadList(key, value);
        else
            Let(key, VariantFromDescription(value));
    }
}

void Item::LoadList(std::string_view key, const nlohmann::json&) {
    vb::Raise(vb::err::kNotSupported, "'" + std::string(key) + "' is not a list of this item");
}

void Item::PropertyChanged(std::string_view name) {
    // An item's change is a change of its control's look.
    if (owner_ && owner_->View()) owner_->View()->ItemChanged(*owner_, *this, name);
}

void RaiseIndexOutOfBounds() {
    vb::Raise(vb::err::kIndexOutOfBounds, "Index out of bounds");
}

bool KeyMatches(const PropertyObject& item, std::string_view key) {
    if (!item.HasProperty("Key")) return false;
    std::string own = item.Get("Key").ToString();
    if (own.size() != key.size()) return false;
    for (size_t i = 0; i < key.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(own[i]) != lower(key[i])) return false;
    }
    return true;
}

}  // namespace forms
