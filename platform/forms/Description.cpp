#include "platform/forms/Description.h"

#include <climits>
#include <cstdint>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>

#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/vb/Error.h"

namespace forms {

bool IsReservedDescriptionKey(std::string_view key) {
    return key == "Type" || key == "Name" || key == "Index" || key == "Controls";
}

namespace {

// The value of a JSON integer, when it fits 64 signed bits.
std::optional<long long> WholeNumber(const nlohmann::json& value) {
    if (value.is_number_unsigned()) {
        auto n = value.get<unsigned long long>();
        if (n > static_cast<unsigned long long>(LLONG_MAX)) return std::nullopt;
        return static_cast<long long>(n);
    }
    if (value.is_number_integer()) return value.get<long long>();
    return std::nullopt;
}

}  // namespace

vb::Variant VariantFromDescription(const nlohmann::json& value) {
    if (value.is_boolean()) return vb::Variant(value.get<bool>());
    // A whole number beyond 32 bits keeps its value as a Double.
    if (auto n = WholeNumber(value)) {
        if (*n >= INT16_MIN && *n <= INT16_MAX) return vb::Variant(static_cast<vb::Integer>(*n));
        if (*n >= INT32_MIN && *n <= INT32_MAX) return vb::Variant(static_cast<vb::Long>(*n));
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

long long WholeNumberFromDescription(const nlohmann::json& value, long long least, long long most,
                                     std::string_view what) {
    std::optional<long long> n = WholeNumber(value);
    if (!n || *n < least || *n > most)
        vb::Raise(vb::err::kInvalidFileFormat,
                  std::string(what) + " " + value.dump() + " is not a whole number from " +
                      std::to_string(least) + " to " + std::to_string(most));
    return *n;
}

namespace {

// Parsed once per run: windows load and unload often, their descriptions never change.
std::map<std::string, nlohmann::json>& Cache() {
    static std::map<std::string, nlohmann::json> cache;
    return cache;
}

}  // namespace

void ReloadWindowDescriptions() {
    Cache().clear();
}

std::string WindowDescriptionPath(const std::string& name) {
    return os::JoinPath(os::ProgramFolder() + "forms", name + ".json");
}

const nlohmann::json& LoadWindowDescription(const std::string& name) {
    auto& cache = Cache();
    auto it = cache.find(name);
    if (it != cache.end()) return it->second;
    const std::string path = WindowDescriptionPath(name);
    std::string text;
    try {
        text = os::ReadAllBytes(path);
    } catch (const vb::VbError& error) {
        vb::Raise(error.Number(), "The window description " + path +
                                      (error.Number() == vb::err::kFileNotFound ||
                                               error.Number() == vb::err::kPathNotFound
                                           ? std::string(" is missing")
                                           : " cannot be read: " + error.Description()));
    }
    return ParseWindowDescription(name, text);
}

const nlohmann::json& ParseWindowDescription(const std::string& name, std::string_view text) {
    nlohmann::json parsed = nlohmann::json::parse(text, nullptr, false);
    if (parsed.is_discarded() || !parsed.is_object())
        vb::Raise(vb::err::kInvalidFileFormat,
                  "The window description " + WindowDescriptionPath(name) +
                      (text.empty() ? " is empty" : " is not a valid description (JSON object)"));
    return Cache().insert_or_assign(name, std::move(parsed)).first->second;
}

}  // namespace forms
