#pragma once

#include <string>

#include "core/LayoutKind.h"
#include "platform/vb/Types.h"

namespace zomel {

// One row of the parts map "mapping.bin": the back plate or jumper harness of one module
// grid.  A plain record; only SegmentType has a side effect.
class mapPart {
public:
    bool Zomel2() const { return zomel2_; }  // for module version 2; no rule consults it
    void Zomel2(bool value) { zomel2_ = value; }
    const std::string& Part() const { return part_; }  // the part number and the row's key
    void Part(std::string value) { part_ = std::move(value); }
    const std::string& PartType() const { return partType_; }  // "BP" or "JH"
    void PartType(std::string value) { partType_ = std::move(value); }
    // The layout number as the file holds it; a number of no layout matches no sign.
    vb::Integer SegmentType() const { return segmentType_; }
    // A character-segmented row is always a vertical row.
    void SegmentType(vb::Integer value);
    bool ForLayout(LayoutKind kind) const { return segmentType_ == StoredNumberOf(kind); }
    bool Vertical() const { return vertical_; }
    void Vertical(bool value) { vertical_ = value; }
    vb::Integer X() const { return x_; }
    void X(vb::Integer value) { x_ = value; }
    vb::Integer Y() const { return y_; }
    void Y(vb::Integer value) { y_ = value; }

private:
    bool zomel2_ = false;
    std::string part_;
    std::string partType_;
    vb::Integer segmentType_ = 0;
    bool vertical_ = false;
    vb::Integer x_ = 0;
    vb::Integer y_ = 0;
};

}  // namespace zomel
