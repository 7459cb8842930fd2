#pragma once

#include "estimate/engine/PriceRun.h"

// The quantity rules of modules and structural parts: each decides whether its catalogue row
// applies to the sign, and fills the row's line or skips it.  The keyword of each is beside it.
namespace zomel::rules {

// Layout tests on the row's Info word.
bool OrientationTestA(const PriceRun& run);  // HORIZONTAL, VERTICAL, CSEGMENT
bool OrientationTestB(const PriceRun& run);  // HORIZONTAL, VERTICAL, SEGMENT
bool SideTest(const PriceRun& run);
bool BackTest(const PriceRun& run);
bool DensityTest(const PriceRun& run);

void PriceSupplyPer20Zomels(PriceRun& run);  // "ONE / 20ZOMELS"
void PriceLockdowns(PriceRun& run);          // "ZOMEL * 1.5"
void PriceHoleplugs(PriceRun& run);          // "XZ*(ROWS-1)"
void PriceZomels(PriceRun& run);             // "ZOMEL"
void PriceZomel2s(PriceRun& run);            // "ZOMEL2"
void PriceFrameTopBottom(PriceRun& run);     // "Z2-TOP/BOT"
void PriceFrameSides(PriceRun& run);         // "Z2-SIDE"
void PriceBackPlate(PriceRun& run);          // "Z2-BACK"
void PriceZomel2Supplies(PriceRun& run);     // "Z2-PWR"
void PriceCharacterSpacers(PriceRun& run);   // "SPACER"
void PriceRowSpacers(PriceRun& run);         // "Z2-SPACER"
void PriceRailConductor(PriceRun& run);      // "CONDUCTOR"
void PriceRailInsulator(PriceRun& run);      // "INSULATOR"
void PriceZomelRail(PriceRun& run);          // "Z1-RAIL"
void PriceZomel2Rail(PriceRun& run);         // "Z2-RAIL"
void PriceResetSpacer(PriceRun& run);        // "RESET-SPACER"
void PriceGapJumpers(PriceRun& run);         // "Z2-GAPJUMPER"
void PriceSignAssembly(PriceRun& run);       // "SIGN"
void PriceJumperHarness(PriceRun& run);      // "Z2-HARN"
void PriceModuleClips(PriceRun& run);        // "Z2-CLIP"
void PriceFixedCount(PriceRun& run);         // "Z2=FIX"
void PriceRowCouplingClips(PriceRun& run);   // "Z2=C2X(Y-1)"
void PriceLockdownClips(PriceRun& run);      // "Z2=C2X(Y+1)"
void PriceLockdownRails(PriceRun& run);      // "Z2=C(Y+1)"
void PriceFrameScrews(PriceRun& run);        // "Z2=2(X+Y)"
void PriceModuleScrews(PriceRun& run);       // "Z2=2XY"
void PriceModuleWashers(PriceRun& run);      // "Z2=2XY+C2X(Y-1)"
void PriceModuleNuts(PriceRun& run);         // "Z2=2XY+C4X(Y-1)"
void PriceFrameRivets(PriceRun& run);        // "Z2=4(X+Y)"
void PriceSideBolts(PriceRun& run);          // "Z2=4Y"

}  // namespace zomel::rules
