#include "core/Sign.h"

#include <cstdint>
#include <utility>

#include "core/SignEvents.h"
#include "platform/os/Settings.h"

namespace zomel {
namespace {

const char* const kAppName = "ZomelBuilder";
const char* const kUnitsSection = "Units";

struct LengthUnitRecord {
    const char* name;
    double perInch;  // the unit's length of one inch
    double toFeet;   // feet in one unit
};

constexpr LengthUnitRecord kLengthUnits[] = {
    {"cm", 2.54, 1 / 30.48},
    {"m", 2.54 / 100, 100 / 30.48},
    {"in", 1.0, 1.0 / 12},
    {"ft", 1.0 / 12, 1.0},
};

const LengthUnitRecord* FindLengthUnit(const std::string& name) {
    for (const auto& unit : kLengthUnits) {
        if (name == unit.name) return &unit;
    }
    return nullptr;
}

// Character heights per character-size unit: the standard height and the two custom heights,
// each for horizontal and for vertical modules.
struct CharHeightRecord {
    const char* unit;
    double standard;
    double cust1[2];
    double cust2[2];
};

constexpr CharHeightRecord kCharHeights[] = {
    {"in", 7.0, {1.601, 1.716}, {2.468, 2.591}},
    {"cm", 4.22, {4.064, 4.359}, {6.269, 6.581}},
    {"pix", 1.0, {1.0, 1.0}, {1.0, 1.0}},
};

double PoundsIn(const std::string& weightUnit, double pounds, double kilogramsPerPound) {
    if (weightUnit == "lbs") return pounds;
    if (weightUnit == "kg") return pounds * kilogramsPerPound;
    return 0;
}

}  // namespace

std::string Sign::ApprovalChar() const {
    return std::to_string(ApprovalCode_);
}

void Sign::SetZomel2(vb::Integer value) {
    Zomel2_ = vb::Flag(value != 0);
    ChangeSizes();
}

double Sign::BusBarWeight() const {
    double a = 0;
    double b = 0;
    if (Zomel2_) {
        a = 0.331 * Y() * X() + 0.25 * (Y() - 1);
        b = 1.25 * Y() * X();
        if (SegmentType_ == LayoutKind::FullMatrix) b += 0.3 * X() * (Y() + 1);
    } else {
        const double rail = RailLength();
        const LengthUnitRecord* unit = FindLengthUnit(LengthUnit_);
        const double toFeet = unit ? unit->toFeet : 0;
        const double length = unit ? BusBarLength(rail, unit->perInch) : 0;
        const double extraFeet =
            SegmentType_ == LayoutKind::CharacterSegmented ? (3.0 / 12) * Y() * (X() - 1) : 0;
        a = (toFeet * length + extraFeet) * 0.274 + 0.055 * Y() * (X() + 3);
        b = 1.563 * Y() * rail * toFeet;
    }
    return PoundsIn(WeightUnit_, a + b, 1 / 2.2046);
}

// Three bars per module row, each half an inch shorter than the rail, and the jumpers: one
// for the first module of the row and one for each further module.
double Sign::BusBarLength(double rail, double inchesToUnit) const {
    const double bars = (rail - 0.5 * inchesToUnit) * 3 * Y();
    const double jumpers = ((X() - 1) * BusBarNext_ + BusBarFirst_) * inchesToUnit * Y();
    return bars + jumpers;
}

void Sign::SetCharSizeUnit(std::string unit) {
    for (const auto& heights : kCharHeights) {
        if (unit != heights.unit) continue;
        const int orientation = Vertical_ ? 1 : 0;
        CharHeight_ = heights.standard;
        CharHeightCust1_ = heights.cust1[orientation];
        CharHeightCust2_ = heights.cust2[orientation];
    }
    CharSizeUnit_ = std::move(unit);
    os::SaveSetting(kAppName, kUnitsSection, "CharSizeUnit", CharSizeUnit_);
    if (SignEvents* windows = SignSubscriber()) windows->CharSizeUnitChanged();
}

void Sign::SetHighDensity(vb::Integer value) {
    HighDensity_ = vb::Flag(value != 0);
    if (SignEvents* windows = SignSubscriber()) windows->HighDensityChanged(HighDensity_);
    ZomelWeight_ = ModuleWeight();
}

vb::Long Sign::HoleplugCount() const {
    if (SegmentType_ != LayoutKind::FullMatrix || Zomel2_) return 0;
    const std::int64_t x = XZomelCount_;
    const std::int64_t y = YZomelCount_;
    return static_cast<vb::Long>((y - 1) * x);
}

void Sign::SetLengthUnit(std::string unit) {
    LengthUnit_ = std::move(unit);
    os::SaveSetting(kAppName, kUnitsSection, "LengthUnit", LengthUnit_);
    ChangeSizes();
}

// Every product here stays within Long for any pair of 16-bit counts.
vb::Long Sign::LockdownCount() const {
    const std::int64_t x = XZomelCount_;
    const std::int64_t y = YZomelCount_;
    std::int64_t count = 0;
    if (Zomel2_) {
        count = (x + 1) * y;
        if (SegmentType_ == LayoutKind::FullMatrix) count += (y + 1) * x;
    } else {
        count = (x + 3) * y;
    }
    return static_cast<vb::Long>(count);
}

double Sign::LockdownLength() const {
    if (!Zomel2_ || SegmentType_ != LayoutKind::FullMatrix) return 0;
    return ((X() - 1) * ZomelWidthInches_ + 2.0) * LengthFactor_;
}

void Sign::SetModelNumber(const std::string& value) {
    ModelNumber_ = value;
    if (SignEvents* windows = SignSubscriber()) windows->ModelNumberChanged(ModelNumber_);
}

double Sign::RailLength() const {
    return (ModuleRowLength() + RailAllowance_) * LengthFactor_;
}

void Sign::SetSegmentType(LayoutKind value) {
    SegmentType_ = value;
    switch (value) {
        case LayoutKind::CharacterSegmented:
            RowGap_ = 5.5;
            ColumnGap_ = 3.0;
            // Character-segmented modules are always upright; the orientation command is
            // not run from here.
            Vertical_ = vb::True;
            break;
        case LayoutKind::LineMatrix:
            RowGap_ = 5.5;
            ColumnGap_ = 0;
            break;
        case LayoutKind::FullMatrix:
            RowGap_ = 0;
            ColumnGap_ = 0;
            break;
    }
    ChangeSizes();
}

double Sign::SignWeight() const {
    const double pounds = X() * Y() * ZomelWeight_ + FixedWeight_ + SpacerWeight_ + HardwareWeight_;
    return PoundsIn(WeightUnit_, pounds, 0.4536);
}

double Sign::SpacerLength() const {
    return ModuleRowLength() * LengthFactor_;
}

void Sign::SetVertical(vb::Integer value) {
    const vb::Integer vertical = vb::Flag(value != 0);
    if (vertical == Vertical_) return;
    Vertical_ = vertical;
    ChangeSizes();
    if (SignEvents* windows = SignSubscriber()) windows->VerticalChanged(Vertical_);
}

void Sign::SetWeightUnit(std::string unit) {
    WeightUnit_ = std::move(unit);
    os::SaveSetting(kAppName, kUnitsSection, "WeightUnit", WeightUnit_);
}

void Sign::SetXZomelCount(vb::Integer value) {
    XZomelCount_ = value;
    ChangeSizes();
}

void Sign::SetYZomelCount(vb::Integer value) {
    YZomelCount_ = value;
    ChangeSizes();
}

void Sign::ChangeSizes() {
    SetGenerationConstants();
    SetLengthFactor();
    SetModuleGeometry();
    SetOuterSize();
    HardwareWeight_ = Zomel2_ ? HardwareWeightOfGeneration2() : 0;
    if (SignEvents* windows = SignSubscriber()) windows->SizesChanged();
}

void Sign::SetGenerationConstants() {
    if (Zomel2_) {
        HeightMargin_ = 6.0;
        WidthMargin_ = 6.0;
        RailAllowance_ = 1.0;
        FixedWeight_ = 6.12;
    } else {
        HeightMargin_ = 0;
        WidthMargin_ = 10.0;
        RailAllowance_ = 10.0;
        FixedWeight_ = 3.0;
    }
    ZomelWeight_ = ModuleWeight();
    SpacerWeight_ = SpacerWeightOfLayout();
}

double Sign::SpacerWeightOfLayout() const {
    switch (SegmentType_) {
        case LayoutKind::CharacterSegmented:
            return 1.5 * X() * (Y() - 1) + 0.82 * ((X() - 1) * Y());
        case LayoutKind::LineMatrix:
            return 1.25 * X() * (Y() - 1);
        case LayoutKind::FullMatrix:
            return 0;
    }
    return 0;
}

// An unknown unit keeps the factor it had.
void Sign::SetLengthFactor() {
    if (const LengthUnitRecord* unit = FindLengthUnit(LengthUnit_)) LengthFactor_ = unit->perInch;
}

void Sign::SetModuleGeometry() {
    if (Vertical_) {
        BusBarFirst_ = 21.25;
        BusBarNext_ = 11.75;
        ZomelWidthInches_ = 13.75;
        ZomelHeightInches_ = 19.25;
    } else {
        BusBarFirst_ = 26.5;
        BusBarNext_ = 17.25;
        ZomelWidthInches_ = 19.25;
        ZomelHeightInches_ = 13.75;
    }
}

void Sign::SetOuterSize() {
    SignWidthInches_ = ModuleRowLength() + WidthMargin_;
    SignHeightInches_ = (Y() - 1) * RowGap_ + Y() * ZomelHeightInches_ + HeightMargin_;
}

double Sign::ModuleRowLength() const {
    return (X() - 1) * ColumnGap_ + X() * ZomelWidthInches_;
}

// Mounting hardware of generation-2 modules, lbs.
double Sign::HardwareWeightOfGeneration2() const {
    const double x = X();
    const double y = Y();
    double h = Vertical_ ? 2.5 * y + 2 * x : 2 * y + 2.5 * x;
    h = 2.78 * x * y + h + 0.25 + 1.636 + 0.184 + 0.013 * (4 * y) + 0.006 * (4 * (x + y)) +
        0.038 * (2 * (x + y));
    h += 0.044 * (2 * x * y);
    if (Vertical_) {
        h += 0.1 * (x * y - 1) + 0.22 * (y - 1);
    } else {
        h = h - 0.4 * (x - 1) + 0.56 * (y - 1);
    }
    h += 0.316;
    if (SegmentType_ == LayoutKind::FullMatrix) {
        h += 0.032 * (2 * x * y) + 0.04 * (2 * x * (y + 1));
        h += 0.055 * ((x + 1) * y + (y + 1) * x);
    } else {
        h += 0.2 * (y - 1) + 0.032 * (2 * x * (2 * y + 1));
        h += 0.055 * ((x + 1) * y);
    }
    return h;
}

void Sign::SetApprovalBit(vb::Integer bit, vb::Integer value) {
    if (value) {
        ApprovalCode_ = static_cast<vb::Integer>(ApprovalCode_ | bit);
    } else {
        ApprovalCode_ = static_cast<vb::Integer>(ApprovalCode_ & ~bit);
    }
}

}  // namespace zomel
