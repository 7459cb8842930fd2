#include "core/Catalogue.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "core/mapParts.h"
#include "estimate/engine/PriceList.h"
#include "platform/forms/StringTable.h"

namespace zomel {
namespace {

constexpr vb::Long kVeldoSuppliesId = 11139;

// The parts map's back plate and jumper harness of the sign's module grid.
void FindMappedParts(PricedSign& sign, const Sign& model) {
    sign.BackPlatePartNo = forms::LoadResString(kVeldoSuppliesId);
    if (!gMapParts) return;
    const mapParts::Grid grid{model.Vertical() != 0, model.XZomelCount(), model.YZomelCount(),
                              model.SegmentType()};
    if (gMapParts->TestBackPlate(grid)) sign.BackPlatePartNo = gMapParts->BackPlatePart();
    if (gMapParts->TestJumpHarn(grid)) sign.JumpHarnPartNo = gMapParts->JumpHarnPart();
}

}  // namespace

PricedSign PricedSignOf(const Sign& model, const LengthFactors& factors, bool verticalBox,
                        bool highDensity) {
    PricedSign sign;
    sign.X = model.XZomelCount();
    sign.Y = model.YZomelCount();
    sign.Layout = model.SegmentType();
    sign.Vertical = model.Vertical() != 0;
    sign.VerticalBox = verticalBox;
    sign.HighDensity = highDensity;
    sign.Zomel2Mode = Zomel2Mode != 0;
    sign.SignWidth = model.SignWidth();
    sign.SignHeight = model.SignHeight();
    sign.RailLength = model.RailLength();
    sign.SpacerLength = model.SpacerLength();
    sign.LockdownLength = model.LockdownLength();
    sign.ZomelWidth = model.ZomelWidth();
    sign.LockdownCount = model.LockdownCount();
    sign.HoleplugCount = model.HoleplugCount();
    sign.LengthUnit = model.LengthUnit();
    sign.Factors = factors;
    sign.ConductorFirst = sign.VerticalBox ? 21.25 : 27.0;
    sign.ConductorNext = sign.VerticalBox ? 11.75 : 17.25;
    FindMappedParts(sign, model);
    return sign;
}

}  // namespace zomel
