#pragma once

// The LED block fonts size every sign: a font missing from the program's fonts folder, or
// damaged there, has its lines drawn in another face, which gives another size and price.
namespace zomel {

// Tells the person, in one box, which font files the fonts folder lacks or holds damaged, and
// logs each missing one (a damaged one is logged as it is passed over); nothing when all are
// there.  Start-up calls it once, after the main window has laid out its first sign.
void CheckLedFonts();

}  // namespace zomel
