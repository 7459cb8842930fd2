#pragma once

#include "estimate/engine/PriceRun.h"

// The quantity rules of kits, packages, layout sets and chosen options, with the advice they
// leave in the run, and the fallback for a keyword no rule knows.
namespace zomel::rules {

void PriceKit(PriceRun& run);      // "OPTION-KIT"
void PricePackage(PriceRun& run);  // "OPTION-PKG"
void PriceSet(PriceRun& run);      // "OPTION-SET": a layout set or a chosen option
void PriceUnknown(PriceRun& run);  // any other keyword

// The parts of "OPTION-KIT".
void AdviseRadarUse(PriceRun& run);
void PriceCabinet(PriceRun& run);
void PriceFuseKit(PriceRun& run);

// The layout sets: true when `info` is one of them (and the row is priced or skipped).
bool PriceLayoutSet(PriceRun& run, const std::string& info);

// The parts of a chosen option row ("OPTION-SET" that is no layout set).
void CheckPresetOnFirstEstimate(PriceRun& run);
void SelectPowerCable(PriceRun& run);
void PriceInstallationKit(PriceRun& run);
void PricePowerCable(PriceRun& run);
void PriceKitMember(PriceRun& run);
void PricePowerSupply(PriceRun& run);
void PriceOtherOption(PriceRun& run);

}  // namespace zomel::rules
