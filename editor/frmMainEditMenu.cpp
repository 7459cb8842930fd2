// The Edit menu: the clipboard on the current message line.
#include "core/Globals.h"
#include "editor/frmMain.h"
#include "platform/forms/Interaction.h"
#include "platform/vb/Strings.h"

namespace zomel {

void frmMain::mnuEditCopy_Click() {
    forms::Clipboard().SetText(txtZomelText(CurrentLine).SelText());
}

// The selection goes to the clipboard and leaves the line.
void frmMain::mnuEditCut_Click() {
    forms::TextBox& box = txtZomelText(CurrentLine);
    const std::string text = box.Text();
    const vb::Long n = vb::Len(text), s = box.SelStart(), k = box.SelLength();
    forms::Clipboard().SetText(box.SelText());
    if (k >= n)
        box.SetText("");
    else if (k > 0)
        box.SetText(vb::Left(text, s) + vb::Right(text, n - k - s));
}

// The clipboard's text goes in at the selection's start; the selection stays.
void frmMain::mnuEditPaste_Click() {
    const std::string clip = forms::Clipboard().GetText();
    if (clip.empty()) return;
    forms::TextBox& box = txtZomelText(CurrentLine);
    const std::string text = box.Text();
    const vb::Long n = vb::Len(text), s = box.SelStart();
    box.SetText(vb::Left(text, s) + clip + vb::Right(text, n - s));
}

}  // namespace zomel
