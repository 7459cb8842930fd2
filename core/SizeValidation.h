#pragma once

#include <string>

#include "platform/vb/Types.h"

// Checks of a character height and width pair: an empty text when the pair can be drawn with
// an LED block font, else the message to show.
namespace zomel {

// A size list as the checks see it.
struct SizeListChoice {
    bool Selected = false;
    std::string Text;  // the chosen entry
};

// The pair check of both orders, on sizes as the lists give them in `unit` ("in" is inches,
// any other unit centimetres); with `widthFirst` the height minimum is not checked.
std::string CheckSizePair(const SizeListChoice& height, const SizeListChoice& width,
                          const std::string& unit, bool widthFirst, vb::Integer& selectionMissing);

// The rules both checks share with the line and character analyzer.  Sizes are as the lists
// give them, in inches or else in centimetres.
inline constexpr const char* kHeightMinimumMessage =
    "You must have a character height of at least 8.0 inches or 20.32 centemeters.";
inline constexpr const char* kWidthMinimumMessage =
    "You must have a character width of at least 4.8 inches or 12.19 centemeters.";
bool HeightBelowMinimum(vb::Single height, bool inches);
bool WidthBelowMinimum(vb::Single width, bool inches);
// A size in inches, centimetres rounded to two decimals as the size table has them.
vb::Single SizeInInches(vb::Single size, bool inches);
// The message for a pair that no LED block font draws, with the sizes as entered.
std::string SizeMismatchMessage(vb::Single height, vb::Single width);

}  // namespace zomel
