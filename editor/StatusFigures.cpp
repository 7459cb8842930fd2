#include "editor/StatusFigures.h"

#include "platform/forms/StringTable.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Format.h"

namespace zomel {
namespace {

constexpr vb::Long SizeLabel = 10952;
constexpr vb::Long By = 10953;
constexpr vb::Long DimensionsLabel = 10954;
constexpr vb::Long HighDensityPowerLabel = 10955;
constexpr vb::Long Amps = 10956;
constexpr vb::Long StandardPowerLabel = 10957;
constexpr vb::Long WeightLabel = 10958;

// Amps per module at its typical maximum.
constexpr double HighDensityAmps = 3.1;
constexpr double StandardAmps = 0.7;

std::string Text(vb::Long id) {
    return forms::LoadResString(id);
}

}  // namespace

std::array<std::string, 4> StatusTexts(const SignFigures& sign) {
    if (sign.XZomelCount == 0) return {" ", " ", " ", " "};
    const auto modules = static_cast<vb::Integer>(sign.XZomelCount * sign.YZomelCount);
    const std::string power =
        sign.HighDensity
            ? Text(HighDensityPowerLabel) + vb::Format(modules * HighDensityAmps, "#,###.0")
            : Text(StandardPowerLabel) + vb::Format(modules * StandardAmps, "#,###.0");
    return {
        Text(SizeLabel) + vb::CStr(vb::Long{sign.XZomelCount}) + Text(By) +
            vb::CStr(vb::Long{sign.YZomelCount}),
        Text(DimensionsLabel) + vb::Format(sign.SignWidth, "#,###.00") + Text(By) +
            vb::Format(sign.SignHeight, "#,###.00") + " " + sign.LengthUnit,
        power + Text(Amps),
        Text(WeightLabel) + vb::Format(sign.Weight, "#,###.0") + " " + sign.WeightUnit,
    };
}

}  // namespace zomel
