#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The readable source of the catalogue and its coding into the file the program reads.
namespace catcode {

inline constexpr int FieldCount = 9;
inline constexpr int PriceField = 1;

struct SourceRow {
    std::array<std::string, FieldCount> fields;  // field 1 holds the plain price text
    std::int64_t cents = 0;                      // the price in cents
    int sourceLine = 0;                          // where the row stands in the source
};

struct CatalogueSource {
    std::string date;  // the price list's date, stored on the first line
    std::vector<SourceRow> rows;
};

// Reads the source text; throws std::runtime_error naming the source line of a fault.
CatalogueSource ParseCatalogueSource(std::string_view text);

// "1850.00" as 185000 cents; throws std::invalid_argument for anything but digits with up to
// two decimals.
std::int64_t ParseAmount(std::string_view text);

// The catalogue file: one line per row, each field in double quotes, separated by commas,
// every line ended by carriage return and line feed, prices coded for their line number.
std::string CodeCatalogue(const CatalogueSource& source);

}  // namespace catcode
