#include "editor/StatusFigures.h"

#include "core/ModuleFigures.h"
#include "core/StringText.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Format.h"

namespace zomel {
namespace {

constexpr vb::Long kSizeLabel = 10952;
constexpr vb::Long kBy = 10953;
constexpr vb::Long kDimensionsLabel = 10954;
constexpr vb::Long kHighDensityPowerLabel = 10955;
constexpr vb::Long kAmps = 10956;
constexpr vb::Long kStandardPowerLabel = 10957;
constexpr vb::Long kWeightLabel = 10958;

}  // namespace

std::array<std::string, 4> StatusTexts(const SignFigures& sign) {
    if (sign.XZomelCount == 0) return {" ", " ", " ", " "};
    const auto modules = static_cast<vb::Integer>(sign.XZomelCount * sign.YZomelCount);
    const std::string power =
        Text(sign.HighDensity ? kHighDensityPowerLabel : kStandardPowerLabel) +
        vb::Format(modules * ModuleAmps(sign.HighDensity), "#,###.0");
    return {
        Text(kSizeLabel) + vb::CStr(vb::Long{sign.XZomelCount}) + Text(kBy) +
            vb::CStr(vb::Long{sign.YZomelCount}),
        Text(kDimensionsLabel) + vb::Format(sign.SignWidth, "#,###.00") + Text(kBy) +
            vb::Format(sign.SignHeight, "#,###.00") + " " + sign.LengthUnit,
        power + Text(kAmps),
        Text(kWeightLabel) + vb::Format(sign.Weight, "#,###.0") + " " + sign.WeightUnit,
    };
}

}  // namespace zomel
