#pragma once

#include <string>
#include <vector>

// The parts map: the back plate of every module grid and the jumper harness of every column
// count, for each module orientation and layout a sign can have.
namespace catcode {

// The size check's limits: the default greatest column count, the row count, and the area
// rule that takes a row away from any sign of more than 75 modules.
inline constexpr int MapMaxColumns = 20;
inline constexpr int MapMaxRows = 6;
inline constexpr int MapMaxModules = 75;

struct MapRow {
    int columns = 0;
    int rows = 0;  // 0 on harness rows: one harness serves every row count
    bool vertical = false;
    std::string kind;  // "BP" back plate, "JH" jumper harness
    std::string part;
    int layout = 0;  // 0 full matrix, 1 line matrix, 2 character segmented
};

// The rows in file order.  Vertical line-matrix harnesses come before the other vertical
// ones, so that the first vertical harness of a column count is the line-matrix one.
std::vector<MapRow> PartsMapRows();

// The file: seven comma-separated fields a line, each line ended by carriage return and
// line feed; every row is for ZOMEL2, the only generation whose rules ask the map.
std::string CodePartsMap(const std::vector<MapRow>& rows);

}  // namespace catcode
