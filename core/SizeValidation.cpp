#include "core/SizeValidation.h"

#include "catalogue/frmOptions.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "core/SizeFilterTable.h"
#include "editor/frmMain.h"
#include "platform/forms/Instance.h"
#include "platform/vb/Conversion.h"

namespace zomel {
namespace {

const char* const kNoHeight = "You have not selected a character height.";
const char* const kNoWidth = "You have not selected a character width.";
const char* const kHeightMinimum =
    "You must have a character height of at least 8.0 inches or 20.32 centemeters.";
const char* const kWidthMinimum =
    "You must have a character width of at least 4.8 inches or 12.19 centemeters.";

SizeListChoice Choice(forms::ComboBox& list) {
    const vb::Integer index = list.ListIndex();
    return {index >= 0, list.List(index)};
}

vb::Single InInches(vb::Single size, bool inches) {
    return inches ? size : static_cast<vb::Single>(vb::Round(size / 2.54, 2));
}

std::string PairMessage(vb::Single height, vb::Single width, bool inches) {
    const vb::Integer h = SizeIndex(InInches(height, inches), InchSizeBase);
    const vb::Integer w = SizeIndex(InInches(width, inches), InchSizeBase);
    if (SizePairAllowed(h, w)) return {};
    return "A height of " + vb::CStr(height) + " does NOT match a width of " + vb::CStr(width) +
           " using any VELDO font.";
}

}  // namespace

std::string CheckSizePair(const SizeListChoice& height, const SizeListChoice& width,
                          const std::string& unit, bool widthFirst, vb::Integer& selectionMissing) {
    const bool inches = unit == "in";
    const SizeListChoice& first = widthFirst ? width : height;
    if (!first.Selected) {
        selectionMissing = vb::True;
        return widthFirst ? kNoWidth : kNoHeight;
    }
    if (!widthFirst && SizeOfEntry(height.Text) < (inches ? 8.0f : 20.32f)) return kHeightMinimum;
    const SizeListChoice& second = widthFirst ? height : width;
    if (!second.Selected) {
        selectionMissing = vb::True;
        return widthFirst ? kNoHeight : kNoWidth;
    }
    const vb::Single w = SizeOfEntry(width.Text);
    if (w < (inches ? 4.8f : 12.19f)) return kWidthMinimum;
    return PairMessage(SizeOfEntry(height.Text), w, inches);
}

std::string ValidateHeightWidth(vb::Integer& selectionMissing) {
    return CheckSizePair(Choice(*MainForm->cbbHigh), Choice(*MainForm->cbbWide),
                         gSign->CharSizeUnit(), false, selectionMissing);
}

std::string ValidateWidthHeight(vb::Integer& selectionMissing) {
    const SizeListChoice width = Choice(*MainForm->cbbWide);
    if (width.Selected && MainForm->chkWide->Value() == 1) {
        forms::Instance<frmOptions>().LoadWideFilter();
        selectionMissing = vb::False;
        return {};
    }
    return CheckSizePair(Choice(*MainForm->cbbHigh), width, gSign->CharSizeUnit(), true,
                         selectionMissing);
}

}  // namespace zomel
