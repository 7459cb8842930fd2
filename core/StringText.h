#pragma once

#include <string>

#include "platform/forms/StringTable.h"
#include "platform/vb/Types.h"

namespace zomel {

// The string table's text of `id`.
inline std::string Text(vb::Long id) {
    return forms::LoadResString(id);
}

}  // namespace zomel
