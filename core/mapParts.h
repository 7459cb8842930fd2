#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "core/LayoutKind.h"
#include "core/mapPart.h"
#include "platform/vb/Types.h"

namespace zomel {

// The parts map: the back plate and jumper harness rows of "mapping.bin", read once when the
// map is created.  A file that is missing or breaks off is reported once; the rows read
// before the fault stay, and a missing file leaves an empty map.
class mapParts {
public:
    // The sign's figures a test compares: Sign.Vertical, XZomelCount, YZomelCount and
    // SegmentType.
    struct Grid {
        bool Vertical = false;
        vb::Integer XZomelCount = 0;
        vb::Integer YZomelCount = 0;
        LayoutKind SegmentType = LayoutKind::FullMatrix;
    };

    mapParts();

    vb::Integer Count() const { return static_cast<vb::Integer>(rows_.size()); }
    const mapPart& Item(vb::Integer index) const;  // 1-based; error 9 outside the rows

    // Finds the back-plate row of the grid; the first matching row in file order wins and
    // its position is kept for BackPlatePart.
    bool TestBackPlate(const Grid& sign);
    // Finds the jumper-harness row of the grid's columns, orientation and layout; a vertical
    // line-matrix sign takes the first vertical harness of its columns.
    bool TestJumpHarn(const Grid& sign);

    // The part of the row the last successful test found; error 9 before any.
    const std::string& BackPlatePart() const { return Item(BackPlateIndex).Part(); }
    const std::string& JumpHarnPart() const { return Item(JumpHarnIndex).Part(); }

private:
    void Load();
    void Add(mapPart row);

    std::vector<mapPart> rows_;
    std::unordered_set<std::string> keys_;
    vb::Integer BackPlateIndex = 0;
    vb::Integer JumpHarnIndex = 0;
};

}  // namespace zomel
