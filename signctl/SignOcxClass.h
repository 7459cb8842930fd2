#pragma once

#include "platform/com/Clsid.h"

// How a host names the VELDOSign display control.  Header only: a host includes it and
// creates the control by class id at run time, without linking the library.
namespace veldo {

inline constexpr com::Clsid kSignOcxClsid =
    *com::Clsid::Parse("{5C0F3A62-9B1E-4D27-8E4A-3F6D2B8C71A4}");
inline constexpr const char* kSignOcxProgId = "VELDOSign.SignOcx";

}  // namespace veldo
