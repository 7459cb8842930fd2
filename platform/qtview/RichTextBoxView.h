#pragma once

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A rich text box: the document drawn with its fonts, sizes, bold, italic, underline and
// paragraph alignment.  The selection follows SelStart and SelLength both ways.
class RichTextBoxView : public ViewBase {
public:
    RichTextBoxView(forms::Control& control, FormWindow& window);

protected:
    void Sync(std::string_view name) override;

private:
    void ShowDocument();
    void ShowSelection();
    void SelectionFromPerson();

    bool fromPerson_ = false;
};

}  // namespace qtview
