#pragma once

#include <string>

#include "platform/vb/Error.h"

namespace vb {

// Runs `read`; an error it raises goes on with `path` after its description, so that a
// message about a missing or unreadable file says which file ("File not found: /x/y.bin").
template <class Read>
auto NamingFile(const std::string& path, Read&& read) -> decltype(read()) {
    try {
        return read();
    } catch (const VbError& e) {
        Raise(e.Number(), e.Description() + ": " + path, e.Source());
    }
}

}  // namespace vb
