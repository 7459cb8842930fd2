#include <functional>
#include <map>

#include "core/Globals.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

constexpr vb::Single kPageShown = 16;
constexpr vb::Single kPageHidden = -10000;
constexpr vb::Integer kLineCharacterPage = 4;
constexpr vb::Long kLineCharacterNotice = 10978;

using ToolCommand = std::function<void(frmMain&, forms::Tool&)>;

}  // namespace

// One dispatcher for every menu item and button.  The menus themselves and the LED-count
// tools run nothing: the model number window sets and reads the LED-count tools.
void frmMain::SSBars_ToolClick(forms::Tool& Tool) {
    RunTool(Tool.ID(), Tool);
}

const std::map<std::string, frmMain::Command, std::less<>>& frmMain::ToolCommands() {
    static const std::map<std::string, Command, std::less<>> commands = {
        {"id_EditCut", &frmMain::mnuEditCut_Click},
        {"id_EditCopy", &frmMain::mnuEditCopy_Click},
        {"id_EditPaste", &frmMain::mnuEditPaste_Click},
        {"id_FileExit", &frmMain::mnuFileExit_Click},
        {"id_FilePrint", &frmMain::mnuFilePrint_Click},
        {"id_FormatFont", &frmMain::mnuFormatFont_Click},
        {"id_FormatLeft", &frmMain::mnuFormatLeft_Click},
        {"id_FormatCenter", &frmMain::mnuFormatCenter_Click},
        {"id_FormatRight", &frmMain::mnuFormatRight_Click},
        {"id_FormatShrink", &frmMain::mnuFormatShrink_Click},
        {"id_HelpAbout", &frmMain::mnuHelpAbout_Click},
        {"id_HelpContact", &frmMain::mnuHelpContact_Click},
        {"id_HelpSearch", &frmMain::mnuHelpSearch_Click},
        {"id_SignShow", &frmMain::mnuSignShow_Click},
        {"id_SignSpec", &frmMain::mnuSignSpec_Click},
        {"id_SignStart", &frmMain::mnuSignStartOver_Click},
        {"id_SignClear", &frmMain::mnuSignClear_Click},
        {"id_SignHigh", &frmMain::mnuSignDensity_Click},
        {"id_SignStandard", &frmMain::mnuSignDensity_Click},
        {"id_Sign1", &frmMain::SetZomelVersion},
        {"id_Sign2", &frmMain::SetZomelVersion},
        {"id_SignCArt", &frmMain::mnuSignClipArt_Click},
        {"id_SignCList", &frmMain::mnuSignClipList_Click},
        {"id_SignChar", &frmMain::mnuSignChar_Click},
        {"id_SignFull", &frmMain::mnuSignFull_Click},
        {"id_SignLine", &frmMain::mnuSignLine_Click},
        {"id_SignPrice", &frmMain::mnuSignPrice_Click},
        {"id_ViewComponents", &frmMain::mnuViewComponents_Click},
        {"id_ViewGallery", &frmMain::mnuViewGallery_Click},
        {"id_ViewModels", &frmMain::mnuViewModels_Click},
        {"id_ViewOptions", &frmMain::mnuViewOptions_Click},
        {"id_ViewRefresh", &frmMain::mnuViewRefresh_Click},
        {"id_ViewStatus", &frmMain::mnuViewStatus_Click},
        {"id_ViewToolbar", &frmMain::mnuViewToolbar_Click},
    };
    return commands;
}

void frmMain::RunTool(const std::string& id, forms::Tool& tool) {
    static const std::map<std::string, ToolCommand> commands = {
        {"id_Build", [](frmMain& m, forms::Tool&) { m.SetShipForm("A"); }},
        {"id_Parts", [](frmMain& m, forms::Tool&) { m.SetShipForm("C"); }},
        {"id_CE",
         [](frmMain& m, forms::Tool& t) {
             m.TheSign().SetCE(vb::Flag(t.State() == forms::kToolDown));
         }},
        {"id_UL",
         [](frmMain& m, forms::Tool& t) {
             m.TheSign().SetUL(vb::Flag(t.State() == forms::kToolDown));
         }},
        {"id_FormatTop", [](frmMain& m, forms::Tool&) { m.SetVerticalPlacement(0); }},
        {"id_FormatMiddle", [](frmMain& m, forms::Tool&) { m.SetVerticalPlacement(1); }},
        {"id_FormatBottom", [](frmMain& m, forms::Tool&) { m.SetVerticalPlacement(2); }},
        {"id_SignHold", [](frmMain& m, forms::Tool& t) { m.SetHoldSize(t); }},
        {"id_Bold",
         [](frmMain& m, forms::Tool& t) { m.SetCurrentLineStyle(&LineFormat::Bold, t.State()); }},
        {"id_Italic",
         [](frmMain& m, forms::Tool& t) { m.SetCurrentLineStyle(&LineFormat::Italic, t.State()); }},
        {"id_Underline",
         [](frmMain& m, forms::Tool& t) {
             m.SetCurrentLineStyle(&LineFormat::Underline, t.State());
         }},
        {"id_SignHorizontal", [](frmMain& m, forms::Tool&) { m.mnuSignVertical_Click(vb::True); }},
        {"id_SignVertical", [](frmMain& m, forms::Tool&) { m.mnuSignVertical_Click(vb::False); }},
    };
    if (auto plain = ToolCommands().find(id); plain != ToolCommands().end())
        return (this->*plain->second)();
    auto command = commands.find(id);
    if (command != commands.end()) command->second(*this, tool);
}

// The ship-as tools rewrite the first character of the model number; the sign model writes
// the box again.
void frmMain::SetShipForm(const std::string& letter) {
    txtModel->SetText(letter + vb::Right(txtModel->Text(), 14));
    TheSign().SetModelNumber(txtModel->Text());
}

// Bold, italic and underline belong to the current line alone.
void frmMain::SetCurrentLineStyle(vb::Integer LineFormat::*field, vb::Integer state) {
    lines_.LineFormats[static_cast<size_t>(CurrentLine)].*field = vb::Flag(state == 1);
    txtZomelText_Change(CurrentLine);
}

void frmMain::PlacePage(vb::Integer index, bool shown) {
    // Off to the left hides a page only while the window is narrower than the offset: a wide
    // window would show its right part, so a page put away is hidden too.
    Frame(index).SetLeft(shown ? kPageShown : kPageHidden);
    Frame(index).SetVisible(shown);
}

// The page a tab shows, known by the tab's key.  The line/character page keeps the frame
// index 4 that the tab rule and the model number window know it by, behind the third tab.
vb::Integer frmMain::PageOfTab(vb::Long tab) {
    static const std::map<std::string, vb::Integer> pages = {
        {"tbText", 1}, {"tbModel", 2}, {"tbLines", kLineCharacterPage}};
    auto page = pages.find(tabCreate->Tabs()(tab).Get("Key").ToString());
    return page == pages.end() ? static_cast<vb::Integer>(tab) : page->second;
}

void frmMain::tabCreate_Click() {
    PlacePage(pages_.CurrentTab, false);
    pages_.CurrentTab = PageOfTab(tabCreate->SelectedIndex());
    PlacePage(pages_.CurrentTab, true);
    if (pages_.CurrentTab == kLineCharacterPage) {
        if (pages_.FirstVisit[kLineCharacterPage])
            forms::MsgBox(forms::LoadResString(kLineCharacterNotice));
        mnuSignStartOver_Click();
    }
    pages_.FirstVisit[static_cast<size_t>(pages_.CurrentTab)] = vb::False;
}

vb::Integer frmMain::ToolState(const std::string& id) {
    return SSBars->ToolById(id).State();
}

// A grouped tool put down releases the others of its group, as a click does: the option set
// shows one alignment, one placement.
void frmMain::SetToolState(const std::string& id, vb::Integer state) {
    forms::Tool& tool = SSBars->ToolById(id);
    if (state != 0 && !tool.Group().empty())
        for (const auto& other : SSBars->Tools())
            if (other.get() != &tool && other->Group() == tool.Group())
                other->SetState(forms::kToolUp);
    tool.SetState(state);
}

void frmMain::SetToolVisible(const std::string& id, bool visible) {
    SSBars->ToolById(id).Let("Visible", visible);
}

void frmMain::SetToolEnabled(const std::string& id, bool enabled) {
    SSBars->ToolById(id).Let("Enabled", enabled);
}

}  // namespace zomel
