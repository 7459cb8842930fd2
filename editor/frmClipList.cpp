#include "editor/frmClipList.h"

#include "core/Diagnostics.h"
#include "core/Globals.h"
#include "core/TranslateForm.h"
#include "editor/ClipText.h"
#include "editor/MessageSpan.h"
#include "editor/frmMain.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/vb/Error.h"

namespace zomel {
namespace {

constexpr vb::Long kSelectMessageId = 10507;
constexpr vb::Long kUnableToLocateId = 10508;
constexpr vb::Long kReinstallId = 10509;
constexpr vb::Integer kLineCount = 11;

forms::TextBox& MainLine(vb::Integer index) {
    return MainForm->ControlAs<forms::TextBox>("txtZomelText", index);
}

void ReportUnreadable(const std::string& path) {
    forms::MsgBox(forms::LoadResString(kUnableToLocateId) + path +
                  forms::LoadResString(kReinstallId));
}

}  // namespace

frmClipList::frmClipList() : ProgramForm("frmClipList") {
    On("CmdAdd", "Click", [this](forms::Control&, forms::EventArgs&) { CmdAdd_Click(); });
    On("CmdRemove", "Click", [this](forms::Control&, forms::EventArgs&) { CmdRemove_Click(); });
    On("CmdUpdate", "Click", [this](forms::Control&, forms::EventArgs&) { CmdUpdate_Click(); });
}

void frmClipList::Window_Load() {
    TranslateForm(*this, false);
    LoadClipText();
}

void frmClipList::LoadClipText() {
    std::string path = os::JoinPath(os::ProgramFolder(), "ClipText.txt");
    std::optional<std::string> bytes = os::ReadIfPresent(path);
    if (!bytes) return ReportUnreadable(path);
    // A file longer than the list can hold is read as far as the list goes.
    try {
        for (const std::string& entry : ClipTextEntries(*bytes))
            LstClipText->AddItem(entry);
    } catch (const vb::VbError&) {
        ReportUnreadable(path);
    }
}

void frmClipList::CmdAdd_Click() {
    const std::string message = TxtNewMessage->Text();
    if (message.empty()) return;
    forms::ListBox& list = *LstClipText;
    for (vb::Integer i = 0; i < list.ListCount(); ++i)
        if (list.List(i) == message) return;
    list.AddItem(message);
    TxtNewMessage->SetText("");
}

void frmClipList::CmdRemove_Click() {
    // Nothing selected: nothing to remove.
    if (LstClipText->ListIndex() >= 0) LstClipText->RemoveItem(LstClipText->ListIndex());
}

vb::Integer frmClipList::SpanChosen() {
    for (vb::Integer lines : {4, 3, 2})
        if (Option1(lines - 1).Value()) return lines;
    return 1;
}

void frmClipList::CmdUpdate_Click() {
    forms::ListBox& list = *LstClipText;
    std::string message = list.ListIndex() >= 0 ? list.List(list.ListIndex()) : "";
    if (message.empty()) {
        forms::MsgBox(forms::LoadResString(kSelectMessageId));
        return;
    }
    auto lines = SpreadMessage(message, SpanChosen());
    UpdateText(lines[0], lines[1], lines[2], lines[3]);
}

void frmClipList::UpdateText(const std::string& L1, const std::string& L2, const std::string& L3,
                             const std::string& L4) {
    // Every line is emptied first, so no word of the previous message stays below the new one.
    for (vb::Integer line = kLineCount - 1; line >= 1; --line)
        MainLine(line).SetText("");
    MainLine(0).SetText(L1);
    MainLine(1).SetText(L2);
    MainLine(2).SetText(L3);
    MainLine(3).SetText(L4);
    Unload();
}

}  // namespace zomel
