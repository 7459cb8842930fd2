#pragma once

#include "platform/com/Clsid.h"

// Class ids of the test server library; the test program knows these, not the library.
namespace comtest {

inline constexpr com::Clsid kCounterClsid =
    *com::Clsid::Parse("{6B1D2C40-0E5F-4A8B-9C3D-21F0A7E4B901}");
inline constexpr com::Clsid kBrokenClsid =
    *com::Clsid::Parse("{6B1D2C40-0E5F-4A8B-9C3D-21F0A7E4B902}");
inline constexpr const char* kCounterProgId = "ZomelTest.Counter";
inline constexpr const char* kBrokenProgId = "ZomelTest.Broken";

}  // namespace comtest
