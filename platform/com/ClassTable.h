#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/com/Clsid.h"

namespace com {

// The text of the class registry and of a program's components manifest:
//
//   [Classes]
//   {5C0F3A62-9B1E-4D27-8E4A-3F6D2B8C71A4}=/path/to/libveldosign.so
//
//   [ProgIDs]
//   VELDOSign.SignOcx={5C0F3A62-9B1E-4D27-8E4A-3F6D2B8C71A4}
//
// Lines that do not parse are passed over: a hand-edited file never stops a lookup.
struct ClassTable {
    std::map<Clsid, std::string> libraries;
    std::vector<std::pair<std::string, Clsid>> progIds;

    static ClassTable Parse(std::string_view text);
    std::string Format() const;

    // The program identifier's entry (compared without case), or progIds.end().
    std::vector<std::pair<std::string, Clsid>>::iterator FindProgId(std::string_view progId);
    const std::string* LibraryOf(const Clsid& clsid) const;
    const Clsid* ClsidOf(std::string_view progId) const;
};

}  // namespace com
