#pragma once

#include <string_view>

#include "platform/com/Clsid.h"
#include "platform/com/Dispatch.h"

namespace com {

// Creates an object of a class from its library, loaded on first use: the program's own
// component (Components.h) first, then the library the per-user class registry names.  When
// neither serves it, error 429 whose description says what is missing and how to fix it.
DispatchRef CreateInstance(const Clsid& clsid);

// By program identifier ("VELDOSign.SignOcx"), or by class id text in braces.
DispatchRef CreateObject(std::string_view progIdOrClsid);

}  // namespace com
