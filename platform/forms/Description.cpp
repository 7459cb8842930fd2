#include "platform/forms/Description.h"

#include <map>
#include <nlohmann/json.hpp>

#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/vb/Error.h"

namespace forms {

bool IsReservedDescriptionKey(std::string_view key) {
    return key == "Type" || key == "Name" || key == "Index" || key == "Controls";
}

vb::Variant VariantFromDescription(const nlohmann::json& value) {
    if (value.is_boolean()) return vb::Variant(value.get<bool>());
    if (value.is_number_integer()) {
        auto n = value.get<long long>();
        if (n >= -32768 && n <= 32767) return vb::Variant(static_cast<vb::Integer>(n));
        return vb::Variant(static_cast<vb::Long>(n));
    }
    if (value.is_number()) return vb::Variant(value.get<double>());
    if (value.is_string()) return vb::Variant(value.get<std::string>());
    return vb::Variant();
}

FontRef FontFromDescription(const nlohmann::json& value) {
    auto font = std::make_shared<StdFont>();
    font->Name = value.value("Name", font->Name);
    font->Size = value.value("Size", font->Size);
    font->Bold = value.value("Bold", false);
    font->Italic = value.value("Italic", false);
    font->Underline = value.value("Underline", false);
    return font;
}

const nlohmann::json& LoadWindowDescription(const std::string& name) {
    // Parsed once per run: windows load and unload often, their descriptions never change.
    static std::map<std::string, nlohmann::json> cache;
    auto it = cache.find(name);
    if (it != cache.end()) return it->second;
    std::string path = os::JoinPath(os::ProgramFolder() + "forms", name + ".json");
    std::string text = os::ReadAllBytes(path);
    nlohmann::json parsed = nlohmann::json::parse(text, nullptr, false);
    if (parsed.is_discarded() || !parsed.is_object())
        vb::Raise(vb::err::InvalidCall, "The window description " + path + " is not valid");
    return cache.emplace(name, std::move(parsed)).first->second;
}

}  // namespace forms
