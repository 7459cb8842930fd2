#pragma once

#include <cstdint>
#include <memory>

// The widths the program's arithmetic and stored values depend on.
namespace vb {

using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;

// Flags hold True as -1 wherever a rule compares them with a number.
inline constexpr Integer True = -1;
inline constexpr Integer False = 0;

inline constexpr Integer Flag(bool value) {
    return value ? True : False;
}

// Anything a Variant can hold by reference: windows, controls, pictures, dispatch objects.
class Object {
public:
    virtual ~Object() = default;
};

using ObjectRef = std::shared_ptr<Object>;

}  // namespace vb
