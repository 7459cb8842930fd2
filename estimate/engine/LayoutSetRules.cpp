#include <array>
#include <string_view>

#include "estimate/engine/OptionRules.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Strings.h"

namespace zomel::rules {
namespace {

// Which way the set reads the orientation, and which sign it is made for.
enum class Box { Clear, Checked, SignHorizontal };
enum class Size { Any, Small, Large, OnlyRows, PowerRows };
enum class Count { One, Left, Right };

struct LayoutSet {
    std::string_view info;
    Box box;
    Size size;
    Count count;
    vb::Integer step;
    bool altPart;             // package 1 may take the alternative mounting number
    bool power;               // adds to the power sets the cable count follows
    vb::Long suffixId;        // the description's ending from the string table, or
    std::string_view suffix;  // this one when it has no id
};

constexpr std::array<LayoutSet, 14> kLayoutSets = {{
    {"HORIZONTAL", Box::SignHorizontal, Size::Any, Count::One, 534, true, false, 11118, ""},
    {"HRZ ONLY", Box::Clear, Size::OnlyRows, Count::One, 535, false, false, 11118, ""},
    {"HRZ PWR", Box::Clear, Size::PowerRows, Count::One, 536, false, true, 11119, ""},
    {"VERTICAL", Box::Checked, Size::Any, Count::One, 537, true, false, 11120, ""},
    {"VRT ONLY", Box::Checked, Size::OnlyRows, Count::One, 538, false, false, 11120, ""},
    {"VRT PWR", Box::Checked, Size::PowerRows, Count::One, 539, false, true, 11121, ""},
    {"LEFT HRZ", Box::Clear, Size::Small, Count::Left, 540, false, false, 0, ", left horizontal:"},
    {"LEFT VRT", Box::Checked, Size::Small, Count::Left, 541, false, false, 0, ", left vertical:"},
    {"LEFT HRZ PWR", Box::Clear, Size::Large, Count::Left, 542, false, true, 0,
     ", left horizontal with power:"},
    {"LEFT VRT PWR", Box::Checked, Size::Large, Count::Left, 543, false, true, 0,
     ", left vertical with power:"},
    {"RIGHT HRZ", Box::Clear, Size::Small, Count::Right, 544, false, false, 0,
     ", right horizontal:"},
    {"RIGHT VRT", Box::Checked, Size::Small, Count::Right, 545, false, false, 11135, ""},
    {"RIGHT HRZ DTA", Box::Clear, Size::Large, Count::Right, 546, false, false, 11136, ""},
    {"RIGHT VRT DTA", Box::Checked, Size::Large, Count::Right, 547, false, false, 11137, ""},
}};

bool OrientationFits(const PriceRun& run, Box box) {
    switch (box) {
        case Box::SignHorizontal:
            return !run.Sign.Vertical;
        case Box::Checked:
            return run.Sign.VerticalBox;
        case Box::Clear:
            return !run.Sign.VerticalBox;
    }
    return false;
}

bool SizeFits(const PriceRun& run, Size size) {
    const bool large = run.Sign.LargeSign();
    const bool evenRows = run.Sign.Y % 2 == 0;
    switch (size) {
        case Size::Any:
            return true;
        case Size::Small:
            return !large;
        case Size::Large:
            return large;
        case Size::OnlyRows:
            return !evenRows || !large;
        case Size::PowerRows:
            return evenRows && large;
    }
    return false;
}

// Jumpers between rows: the left ones take the lower half of the gaps, the right ones the
// upper half.
vb::Long QuantityOf(const PriceRun& run, Count count) {
    switch (count) {
        case Count::One:
            return 1;
        case Count::Left:
            return (run.Sign.Y - 1) / 2;
        case Count::Right:
            return run.Sign.Y / 2;
    }
    return 0;
}

}  // namespace

bool PriceLayoutSet(PriceRun& run, const std::string& info) {
    const LayoutSet* set = nullptr;
    for (const LayoutSet& candidate : kLayoutSets)
        if (candidate.info == info) set = &candidate;
    if (!set) return false;
    if (!OrientationFits(run, set->box) || !SizeFits(run, set->size)) {
        run.SkipRow();
        return true;
    }
    const vb::Long q = QuantityOf(run, set->count);
    if (q <= 0) {
        run.SkipRow();
        return true;
    }
    run.LoadStep = set->step;
    if (set->altPart && run.RowPackage() == 1 && run.AltPartsFlag)
        run.ShownPartNo = vb::Left(run.ShownPartNo, 10) + "5";
    if (set->power) run.PowerSetCount += set->count == Count::One ? 1 : q;
    if (set->count == Count::One)
        run.Emit("1", run.UnitPrice);
    else
        run.Emit(q);
    run.Append(set->suffixId ? forms::LoadResString(set->suffixId) : std::string(set->suffix));
    return true;
}

}  // namespace zomel::rules
