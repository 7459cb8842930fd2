#pragma once

#include <array>
#include <string_view>

// The maker's part numbers and set captions that the program compares with catalogue rows.
// They belong to the catalogue (data/catalogue/catalogue.txt) and change together with it.
namespace zomel {

// The installation kit: the preset option, for module generation 1 and its generation-2 twin
// on the option row right after it.
inline constexpr std::string_view kPresetPartNo = "610-1000";
inline constexpr std::string_view kPresetTwinPartNo = "610-2000";

// The power distribution kit, chosen for every sign with a high power load.
inline constexpr std::string_view kHighLoadKitPartNo = "640-1100";

inline constexpr std::string_view kSolarPanelPartNo = "650-0085";
inline constexpr std::string_view kSolarBatteryPartNo = "650-0092";

// The NEMA cabinet kit has no number of its own: a placeholder stands for it.
inline constexpr std::string_view kCabinetPlaceholderPartNo = "000-0400";

inline constexpr std::string_view kRadarKitPartNo = "640-1200";

// First rows of the phone and hardwire modem packages of the communication group.
inline constexpr std::string_view kPhonePackagePartNo = "630-1010";
inline constexpr std::string_view kModemPackagePartNo = "630-1020";

// The rated power supply options; any other power supply counts as a large one.
inline constexpr std::string_view kSupply10PartNo = "240-0010";
inline constexpr std::string_view kSupply20PartNo = "240-0020";
inline constexpr std::string_view kSupply40PartNo = "240-0040";

// The ZOMEL2 sign fixing kit and its version for the pole mount adapters.
inline constexpr std::string_view kFixedKitPartNo = "350-2040";
inline constexpr std::string_view kFixedKitAltPartNo = "350-2045";

// Rows the components list never shows: the sign assembly placeholder and the three pieces
// that are sold only inside the ZOMEL rail assembly.
inline constexpr std::array<std::string_view, 4> kUnlistedPartNumbers = {"000-0000", "210-1030",
                                                                         "210-1040", "210-1050"};

// Parts that stand on several rows of the catalogue but are one item to order.
inline constexpr std::array<std::string_view, 6> kListedOncePartNumbers = {
    "330-1001", "220-3010", "240-2040", "240-0100", "630-0500", "640-0210"};

// The installation kits themselves carry the kit level but are not "in" a kit.
inline constexpr std::array<std::string_view, 2> kKitTextExemptPartNumbers = {kPresetPartNo,
                                                                              kPresetTwinPartNo};

// Captions of the option sets whose first and last member go together; the "QZ8" family
// also asks for the alternative mounting part numbers.
inline constexpr std::string_view kPairedSetCaption = "TQX ";
inline constexpr std::string_view kAltPartsSetPrefix = "QZ8";
// The family that pairs its members: the set captions sharing the prefix's first two letters.
inline constexpr std::string_view kAltPartsFamilyPrefix = kAltPartsSetPrefix.substr(0, 2);

}  // namespace zomel
