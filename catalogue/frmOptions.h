#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/ProgramForm.h"
#include "platform/forms/BasicControls.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/Ref.h"
#include "platform/vb/Types.h"

namespace forms {
class ComboBox;
}

namespace zomel {

// The units and character-size window: the units of weights, sign dimensions and character
// sizes, shown as they stand when it opens and written to the sign on Apply or OK.  Its list
// fillers work on the main window's character height and width lists without loading this
// window.
class frmOptions : public ProgramForm {
public:
    frmOptions();

    forms::ArrayRef<forms::OptionButton> OptWeight{*this, "OptWeight"};
    forms::ArrayRef<forms::OptionButton> OptHeight{*this, "OptHeight"};
    forms::ArrayRef<forms::OptionButton> OptCharHeight{*this, "OptCharHeight"};
    forms::Ref<forms::CommandButton> cmdOk{*this, "cmdOk"};
    forms::Ref<forms::CommandButton> cmdCancel{*this, "cmdCancel"};
    forms::Ref<forms::CommandButton> cmdApply{*this, "cmdApply"};

    // Writes the three units to the sign, then shows every line's character height in them.
    void cmdApply_Click();
    void cmdOk_Click();
    void cmdCancel_Click();

    // Refills the height list with the heights of the sign's character-size unit and empties
    // the width list.
    void LoadCharHigh();
    // Refills the width list with every width of the unit.
    void LoadCharWide();
    // Narrows the width list to the widths the chosen height allows (with "Filter width by
    // height" ticked) and chooses the widest; empties it otherwise.
    void LoadHighFilter();
    // Narrows the height list to the heights the chosen width allows (with the width filter
    // ticked), leaving none chosen; empties it otherwise.
    void LoadWideFilter();

protected:
    void Window_Load() override;

private:
    // Selects the button of `unit` among `choices` (unit code, button); none for another code.
    static void SelectUnit(const forms::ArrayRef<forms::OptionButton>& buttons,
                           const std::string& unit,
                           std::initializer_list<std::pair<const char*, vb::Integer>> choices);

    // Adds the texts of `sizes` in the sign's unit; a unit without size texts adds nothing.
    static void AddSizes(forms::ComboBox& list, const std::vector<vb::Integer>& sizes);
    // The partners of the size chosen in `from`, in the sign's unit.
    static std::vector<vb::Integer> PartnersOfChoice(
        forms::ComboBox& from, std::vector<vb::Integer> (*partners)(vb::Integer));
};

}  // namespace zomel
