#pragma once

#include <memory>
#include <string>

#include "core/OptionRecord.h"
#include "core/Table.h"
#include "platform/vb/Types.h"

// The catalogue of options and base parts, loaded once from "config2.bin" while the main
// window starts, and the indexes and flags the options tree and the price estimate read.
namespace zomel {

class mapParts;

inline constexpr vb::Integer kMaxOptions = 195;
inline constexpr vb::Integer kMaxBaseParts = 100;

extern Table<OptionRecord, 1, kMaxOptions>& gOptions;
extern Table<OptionRecord, 1, kMaxBaseParts>& gBaseParts;
extern vb::Integer& gOptionCount;
extern vb::Integer& gBaseCount;

extern std::string& PriceListDate;  // the unquoted last field of the first line
extern vb::Integer& CEOption;       // the European price list

extern vb::Integer& PresetOptionIndex;  // the preset row in force (the options tree sets it)
extern vb::Integer& PresetFirstIndex;   // the preset row for generation 1
extern vb::Integer& PresetNextIndex;    // its generation-2 twin
extern vb::Integer& PresetPackage;      // package of the preset row; 50 until it is found
extern vb::Integer& KitOptionIndex;     // the kit chosen for signs with a high power load
extern vb::Integer& GroupCount;         // option sets and groups counted while loading

extern std::unique_ptr<mapParts>& gMapParts;

// Where the catalogue "config2.bin" is read from: the program's folder.
std::string CataloguePath();

// Start-up's preparation of the option table: every entry empty and not chosen.
void ResetOptions();

// Loads "config2.bin" from the program's folder into the tables, sets the indexes and flags,
// stores the solar rows' indexes in gPriceLoad, creates the parts map and fills the
// font table.  Loading errors are reported and set gPriceLoad.LoadError;
// loading goes on with the next step.
void LoadSignOptions();

// Appends one base row, given as the whole line of the file, to gBaseParts; its errors are
// logged without a message box.
void LoadBaseRow(const std::string& rowText, vb::Integer lineNumber);

}  // namespace zomel
