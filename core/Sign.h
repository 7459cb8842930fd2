#pragma once

#include <string>

#include "core/LayoutKind.h"
#include "core/ModuleFigures.h"
#include "platform/vb/Types.h"

namespace zomel {

// The sign model: a grid of ZOMEL modules, XZomelCount columns by YZomelCount rows, with the
// module generation, orientation, layout, density, approval marks, model number and display
// units, and what follows from them: outer size, mounting parts and weights.  Lengths are kept
// in inches and weights in pounds; the reads give them in the chosen units.
//
// Counts are stored as given, zero and negative included.  Every product of counts is worked in
// a wide type, so that any 16-bit count gives exact figures; the count reads (LockdownCount,
// HoleplugCount) are Long for the same reason.
//
// Flags are 0 and -1; a flag written with any other non-zero value is taken as True.  The
// writes that reach windows skip them while there is no main window.
class Sign {
public:
    std::string ApprovalChar() const;
    vb::Integer Zomel2() const { return Zomel2_; }
    void SetZomel2(vb::Integer value);
    double ZomelHeight() const { return ZomelHeightInches_ * LengthFactor_; }
    double ZomelWidth() const { return ZomelWidthInches_ * LengthFactor_; }
    // Bus bars and rails, in WeightUnit.
    double BusBarWeight() const;
    vb::Integer CE() const { return vb::Flag(ApprovalCode_ & kCEBit); }
    void SetCE(vb::Integer value) { SetApprovalBit(kCEBit, value); }
    double CharHeight() const { return CharHeight_; }
    double CharHeightCust1() const { return CharHeightCust1_; }
    double CharHeightCust2() const { return CharHeightCust2_; }
    void SetCharSizeUnit(std::string unit);
    const std::string& CharSizeUnit() const { return CharSizeUnit_; }
    vb::Integer HighDensity() const { return HighDensity_; }
    void SetHighDensity(vb::Integer value);
    vb::Long HoleplugCount() const;
    const std::string& LengthUnit() const { return LengthUnit_; }
    void SetLengthUnit(std::string unit);
    vb::Long LockdownCount() const;
    double LockdownLength() const;
    vb::Integer MaxColumns() const { return MaxColumns_; }
    void SetMaxColumns(vb::Integer value) { MaxColumns_ = value; }
    vb::Integer MaxRows() const { return kMostRows; }
    const std::string& ModelNumber() const { return ModelNumber_; }
    void SetModelNumber(const std::string& value);
    double RailLength() const;
    LayoutKind SegmentType() const { return SegmentType_; }
    void SetSegmentType(LayoutKind value);
    double SignHeight() const { return SignHeightInches_ * LengthFactor_; }
    // The modules and their fixed parts, spacers and hardware, in WeightUnit.
    double SignWeight() const;
    double SignWidth() const { return SignWidthInches_ * LengthFactor_; }
    double SpacerLength() const;
    vb::Integer UL() const { return vb::Flag(ApprovalCode_ & kULBit); }
    vb::Integer ValidApprovalCode() const { return vb::Flag(ApprovalCode_ < 4); }
    void SetUL(vb::Integer value) { SetApprovalBit(kULBit, value); }
    vb::Integer Vertical() const { return Vertical_; }
    void SetVertical(vb::Integer value);
    void SetWeightUnit(std::string unit);
    const std::string& WeightUnit() const { return WeightUnit_; }
    void SetXZomelCount(vb::Integer value);
    vb::Integer XZomelCount() const { return XZomelCount_; }
    void SetYZomelCount(vb::Integer value);
    vb::Integer YZomelCount() const { return YZomelCount_; }

    // The bits of the approval code, the model number's third character.
    static constexpr vb::Integer kCEBit = 1;
    static constexpr vb::Integer kULBit = 2;

private:
    void ChangeSizes();
    void SetGenerationConstants();
    void SetLengthFactor();
    void SetModuleGeometry();
    void SetOuterSize();
    double HardwareWeightOfGeneration2() const;
    double SpacerWeightOfLayout() const;
    // Bus bars and jumpers of every module row, in LengthUnit (0 for an unknown unit).
    double BusBarLength(double rail, double inchesToUnit) const;
    // One row of modules with the gaps between them, inches.
    double ModuleRowLength() const;
    double ModuleWeight() const { return Zomel2_ ? 4.65 : 4.4; }
    void SetApprovalBit(vb::Integer bit, vb::Integer value);

    // The counts, widened before any product is taken.
    double X() const { return XZomelCount_; }
    double Y() const { return YZomelCount_; }

    vb::Integer ApprovalCode_ = 0;  // bit 0 CE, bit 1 UL
    vb::Integer Zomel2_ = vb::False;
    double ZomelHeightInches_ = 13.75;
    double ZomelWidthInches_ = 19.25;
    double ZomelWeight_ = 4.4;
    double CharHeight_ = 7.0;
    double CharHeightCust1_ = 0;
    double CharHeightCust2_ = 0;
    std::string CharSizeUnit_ = "pix";
    double LengthFactor_ = 0;  // inches to LengthUnit; set by the first recomputation
    vb::Integer HighDensity_ = vb::True;
    double BusBarFirst_ = 0;
    double BusBarNext_ = 0;
    std::string LengthUnit_ = "ft";
    vb::Integer MaxColumns_ = kStartMaxColumns;
    std::string ModelNumber_ = "AF0-2H2A4-0602V";
    double RailAllowance_ = 60.0;
    double FixedWeight_ = 0;
    double RowGap_ = 0;
    LayoutKind SegmentType_ = LayoutKind::FullMatrix;
    double ColumnGap_ = 0;
    double SignHeightInches_ = 82.5;
    double SignWidthInches_ = 385.0;
    double HeightMargin_ = 0;
    double HardwareWeight_ = 0;
    double WidthMargin_ = 0;
    double SpacerWeight_ = 0;
    vb::Integer Vertical_ = vb::False;
    std::string WeightUnit_ = "lbs";
    // The largest sign the sizing lays out.
    vb::Integer XZomelCount_ = kStartMaxColumns;
    vb::Integer YZomelCount_ = kMostRows;
};

}  // namespace zomel
