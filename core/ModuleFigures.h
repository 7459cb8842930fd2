#pragma once

// The figures of one ZOMEL module and of the signs built from them.  Every window, the sizing
// engine, the model number and the estimate take them from here.
namespace zomel {

// The current one module draws at its typical maximum: the sign's power figure, the estimate's
// load and the specification's typical draw all rest on it.
constexpr double kHighDensityModuleAmps = 3.1;
constexpr double kStandardModuleAmps = 0.7;

constexpr double ModuleAmps(bool highDensity) {
    return highDensity ? kHighDensityModuleAmps : kStandardModuleAmps;
}

// LEDs along the long and the short side of a module: 12 x 8 in high density, 7 x 5 in
// standard density.  A horizontal module lies with its long side across.
constexpr int kHighDensityLedsLong = 12;
constexpr int kHighDensityLedsShort = 8;
constexpr int kStandardLedsLong = 7;
constexpr int kStandardLedsShort = 5;

// LED pitches, inches, centre to centre.  A high-density module has two: 0.8 along its long
// side and 0.86 along its short side, so 0.8 runs down a vertical module and 0.86 down a
// horizontal one.  A standard module has 1.375 both ways.
constexpr double kVerticalHighDensityLedPitch = 0.8;
constexpr double kHorizontalHighDensityLedPitch = 0.86;
constexpr double kStandardLedPitch = 1.375;
// A pixel of the message is two LEDs square.
constexpr double PixelPitch(double ledPitch) {
    return 2 * ledPitch;
}

// The display control's gap between module columns (rows): SegSepX and SegSepY are either 0,
// no gap, or this.
constexpr int kModuleGap = 3;

// What a sign may have.  The sizing engine lays out at most kMostRows rows and, to begin with
// and after each density change, kStartMaxColumns columns; a model number names, and a
// character-segmented frame shows, at most kMostColumns columns.
constexpr int kMostRows = 6;
constexpr int kStartMaxColumns = 20;
constexpr int kMostColumns = 25;
// Modules: a sign is priced and its model number accepted with at most kMostOrderedModules;
// the size check takes a row away beyond kMostLaidOutModules, or beyond
// kMostLaidOutHighDensityModules in high density.
constexpr int kMostOrderedModules = 60;
constexpr int kMostLaidOutModules = 75;
constexpr int kMostLaidOutHighDensityModules = 60;

}  // namespace zomel
