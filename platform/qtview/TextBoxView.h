#pragma once

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A text box.  Typing sets Text (which raises Change); the caret and selection follow
// SelStart and SelLength both ways.
class TextBoxView : public ViewBase {
public:
    TextBoxView(forms::Control& control, FormWindow& window);

protected:
    void Sync(std::string_view name) override;

private:
    void SelectionFromPerson();

    bool fromPerson_ = false;  // the view itself writes the model's selection
};

}  // namespace qtview
