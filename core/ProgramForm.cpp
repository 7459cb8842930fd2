#include "core/ProgramForm.h"

#include "core/Diagnostics.h"
#include "platform/forms/Constants.h"
#include "platform/vb/Error.h"

namespace zomel {
namespace {

struct WindowRow {
    std::string_view name;
    ProgramForm::Identity identity;
};

// The caption id is also the window's Tag in its description.
constexpr WindowRow kWindows[] = {
    {"frmAbout", {"About", 101}},
    {"frmVELDOInfo", {"VELDO Info", 102}},
    {"frmChooser", {"Sign Options", 103}},
    {"frmClipArt", {"Clip Art", 104}},
    {"frmClipList", {"Clip List", 105}},
    {"frmComponents", {"View Components", 106}},
    {"frmGallery", {"Photo Gallery", 107}},
    {"FrmGenSpec", {"Generic Specification", 108}},
    {"frmMain", {"Main", 109}},
    {"frmOptions", {"Options", 110}},
    {"frmOrder", {"Price Estimate", 111}},
    {"frmSolar", {"Solar", 112}},
    {"FrmSpec", {"Custom Specification", 113}},
    {"frmSpecChoose", {"Specification Type", 114}},
    {"frmSplash", {"Splash", 115}},
    {"frmModelNum", {"ModelBuilder", 116}},
};

}  // namespace

ProgramForm::Identity ProgramForm::IdentityOf(std::string_view name) {
    for (const WindowRow& row : kWindows)
        if (row.name == name) return row.identity;
    vb::Raise(vb::err::kInvalidCall, "No window " + std::string(name) + " in the window table");
}

ProgramForm::ProgramForm(std::string name) : Form(name), identity_(IdentityOf(name)) {}

void ProgramForm::TraceEntry() const {
    TraceForm(identity_.label, identity_.captionId, true);
}

void ProgramForm::TraceExit() const {
    TraceForm(identity_.label, identity_.captionId, false);
}

void ProgramForm::Form_Load() {
    TraceEntry();
    Window_Load();
}

void ProgramForm::Form_Unload(vb::Integer& Cancel) {
    Window_Unload(Cancel);
    TraceExit();
}

void ProgramForm::Form_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) {
    if (KeyCode == forms::vbKeyF12) ShowFormNumber(identity_.captionId, identity_.label);
    Window_KeyUp(KeyCode, Shift);
}

}  // namespace zomel
