#pragma once

#include <optional>
#include <string>

#include "platform/forms/StringTable.h"
#include "platform/vb/Error.h"
#include "platform/vb/Types.h"

namespace zomel {

// The string table's text of `id`.
inline std::string Text(vb::Long id) {
    return forms::LoadResString(id);
}

// The same, or its English wording when a damaged installation lacks it: for the words that
// must reach the person even then.
inline std::string Text(vb::Long id, const char* english) {
    std::optional<std::string> text;
    vb::ResumeNext([&] { text = forms::FindResString(id); });
    return text.value_or(english);
}

}  // namespace zomel
