#pragma once

#include <vector>

#include "core/ProgramForm.h"
#include "platform/vb/Types.h"

namespace forms {
class ComboBox;
}

namespace zomel {

// The units and character-size window.  Its list fillers work on the main window's character
// height and width lists without loading this window.
class frmOptions : public ProgramForm {
public:
    frmOptions();

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

private:
    // Adds the texts of `sizes` in the sign's unit; a unit without size texts adds nothing.
    static void AddSizes(forms::ComboBox& list, const std::vector<vb::Integer>& sizes);
    // The partners of the size chosen in `from`, in the sign's unit.
    static std::vector<vb::Integer> PartnersOfChoice(
        forms::ComboBox& from, std::vector<vb::Integer> (*partners)(vb::Integer));
};

}  // namespace zomel
