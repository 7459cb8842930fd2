#pragma once

#include <vector>

#include "estimate/engine/PriceRun.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Interaction.h"

namespace zomel {

// Shows the price rules' advice that is waiting, one box each in the order given, and takes
// it from the run.  The estimate shows it whenever the run hands over to the person (an error
// report, the solar window, the end of the run), so that every box comes when its row did.
inline void ShowAdvice(std::vector<Advice>& advice) {
    for (const Advice& a : advice)
        forms::MsgBox(a.Prompt, forms::vbOKOnly, a.Title);
    advice.clear();
}

}  // namespace zomel
