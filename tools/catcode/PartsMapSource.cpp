#include "tools/catcode/PartsMapSource.h"

#include <array>
#include <cstdio>

namespace catcode {

namespace {

struct Mounting {
    bool vertical;
    int layout;
    char family;  // third digit of the part numbers of this mounting
};

// Horizontal modules take a full or a line matrix; vertical ones any of the three layouts.
constexpr std::array<Mounting, 5> Mountings = {{
    {false, 0, '1'},
    {false, 1, '2'},
    {true, 1, '4'},
    {true, 0, '3'},
    {true, 2, '5'},
}};

std::string PartNumber(const char* series, char family, int columns, int rows) {
    char text[16];
    std::snprintf(text, sizeof text, "%s%c-%02d%02d", series, family, columns, rows);
    return text;
}

}  // namespace

std::vector<MapRow> PartsMapRows() {
    std::vector<MapRow> rows;
    for (const auto& mounting : Mountings) {
        for (int x = 1; x <= MapMaxColumns; ++x) {
            for (int y = 1; y <= MapMaxRows && x * y <= MapMaxModules; ++y)
                rows.push_back({x, y, mounting.vertical, "BP",
                                PartNumber("52", mounting.family, x, y), mounting.layout});
        }
    }
    for (const auto& mounting : Mountings) {
        for (int x = 1; x <= MapMaxColumns; ++x)
            rows.push_back({x, 0, mounting.vertical, "JH", PartNumber("53", mounting.family, x, 0),
                            mounting.layout});
    }
    return rows;
}

std::string CodePartsMap(const std::vector<MapRow>& rows) {
    std::string file;
    for (const auto& row : rows) {
        file += std::to_string(row.columns) + "," + std::to_string(row.rows) + "," +
                (row.vertical ? "VER" : "HOR") + "," + row.kind + "," + row.part + "," +
                std::to_string(row.layout) + ",2\r\n";
    }
    return file;
}

}  // namespace catcode
