#include "core/SizeValidation.h"

#include "core/SizeFilterTable.h"
#include "platform/vb/Conversion.h"

namespace zomel {
namespace {

const char* const kNoHeight = "You have not selected a character height.";
const char* const kNoWidth = "You have not selected a character width.";

std::string PairMessage(vb::Single height, vb::Single width, bool inches) {
    const vb::Integer h = SizeIndex(SizeInInches(height, inches), kInchSizeBase);
    const vb::Integer w = SizeIndex(SizeInInches(width, inches), kInchSizeBase);
    if (SizePairAllowed(h, w)) return {};
    return SizeMismatchMessage(height, width);
}

}  // namespace

// Compared in single precision, so that a list's "20.32" is not below the minimum 20.32.
bool HeightBelowMinimum(vb::Single height, bool inches) {
    return height < (inches ? 8.0f : 20.32f);
}

bool WidthBelowMinimum(vb::Single width, bool inches) {
    return width < (inches ? 4.8f : 12.19f);
}

vb::Single SizeInInches(vb::Single size, bool inches) {
    return inches ? size : static_cast<vb::Single>(vb::Round(size / 2.54, 2));
}

std::string SizeMismatchMessage(vb::Single height, vb::Single width) {
    return "A height of " + vb::CStr(height) + " does NOT match a width of " + vb::CStr(width) +
           " using any VELDO font.";
}

std::string CheckSizePair(const SizeListChoice& height, const SizeListChoice& width,
                          const std::string& unit, bool widthFirst, vb::Integer& selectionMissing) {
    const bool inches = unit == "in";
    const SizeListChoice& first = widthFirst ? width : height;
    if (!first.Selected) {
        selectionMissing = vb::True;
        return widthFirst ? kNoWidth : kNoHeight;
    }
    if (!widthFirst && HeightBelowMinimum(SizeOfEntry(height.Text), inches))
        return kHeightMinimumMessage;
    const SizeListChoice& second = widthFirst ? height : width;
    if (!second.Selected) {
        selectionMissing = vb::True;
        return widthFirst ? kNoHeight : kNoWidth;
    }
    const vb::Single w = SizeOfEntry(width.Text);
    if (WidthBelowMinimum(w, inches)) return kWidthMinimumMessage;
    return PairMessage(SizeOfEntry(height.Text), w, inches);
}

}  // namespace zomel
