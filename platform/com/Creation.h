#pragma once

#include <string_view>

#include "platform/com/Clsid.h"
#include "platform/com/Dispatch.h"

namespace com {

// Creates an object of a registered class from its library, loaded on first use.  Every
// failure (a class not registered, a library or export missing, a factory that fails)
// raises 429.
DispatchRef CreateInstance(const Clsid& clsid);

// By program identifier ("VELDOSign.SignOcx"), or by class id text in braces.
DispatchRef CreateObject(std::string_view progIdOrClsid);

}  // namespace com
