#include "platform/qtview/ViewFactory.h"

#include <map>

#include "platform/forms/HostedControl.h"
#include "platform/forms/PictureBox.h"
#include "platform/qtview/CheckBoxView.h"
#include "platform/qtview/ComboBoxView.h"
#include "platform/qtview/CommandButtonView.h"
#include "platform/qtview/FlexGridView.h"
#include "platform/qtview/FrameView.h"
#include "platform/qtview/HiddenView.h"
#include "platform/qtview/ImageView.h"
#include "platform/qtview/LabelView.h"
#include "platform/qtview/ListBoxView.h"
#include "platform/qtview/ListViewView.h"
#include "platform/qtview/MenuView.h"
#include "platform/qtview/OptionButtonView.h"
#include "platform/qtview/RangeView.h"
#include "platform/qtview/RichTextBoxView.h"
#include "platform/qtview/ShapeView.h"
#include "platform/qtview/StatusBarView.h"
#include "platform/qtview/SurfaceView.h"
#include "platform/qtview/TabStripView.h"
#include "platform/qtview/TextBoxView.h"
#include "platform/qtview/ToolBarsView.h"
#include "platform/qtview/ToolbarView.h"
#include "platform/qtview/TreeViewView.h"

namespace qtview {
namespace {

// Every control type of the runtime and its view, by the type name of the descriptions.
std::map<std::string, ViewMaker>& Types() {
    static std::map<std::string, ViewMaker> types = {
        {"Label", MakerOf<LabelView>()},
        {"Frame", MakerOf<FrameView>()},
        {"CommandButton", MakerOf<CommandButtonView>()},
        {"Menu", MakerOf<MenuView>()},
        {"Image", MakerOf<ImageView>()},
        {"Shape", MakerOf<ShapeView>()},
        {"PictureBox", SurfaceMaker([](forms::Control& c) {
             return &static_cast<forms::PictureBox&>(c).Surface();
         })},
        {"SignObject",
         SurfaceMaker(
             [](forms::Control& c) { return static_cast<forms::HostedControl&>(c).Surface(); },
             [](forms::Control& c, std::string_view event, com::Args& args) {
                 static_cast<forms::HostedControl&>(c).Input(event, args);
             })},
        {"CommonDialog", MakerOf<HiddenView>()},
        {"ImageList", MakerOf<HiddenView>()},
        {"MSFlexGrid", MakerOf<FlexGridView>()},
        {"SSTree", MakerOf<TreeViewView>()},
        {"TreeView", MakerOf<TreeViewView>()},
        {"TextBox", MakerOf<TextBoxView>()},
        {"RichTextBox", MakerOf<RichTextBoxView>()},
        {"CheckBox", MakerOf<CheckBoxView>()},
        {"OptionButton", MakerOf<OptionButtonView>()},
        {"ComboBox", MakerOf<ComboBoxView>()},
        {"ListBox", MakerOf<ListBoxView>()},
        {"TabStrip", MakerOf<TabStripView>()},
        {"Toolbar", MakerOf<ToolbarView>()},
        {"ListView", MakerOf<ListViewView>()},
        {"StatusBar", MakerOf<StatusBarView>()},
        {"SSActiveToolBars", MakerOf<ToolBarsView>()},
        {"HScrollBar",
         [](forms::Control& c, FormWindow& w) -> std::unique_ptr<ViewBase> {
             return std::make_unique<ScrollBarView>(c, w, Qt::Horizontal);
         }},
        {"VScrollBar",
         [](forms::Control& c, FormWindow& w) -> std::unique_ptr<ViewBase> {
             return std::make_unique<ScrollBarView>(c, w, Qt::Vertical);
         }},
        {"UpDown", MakerOf<UpDownView>()},
        {"PictureClip", MakerOf<HiddenView>()},
        // Timers have nothing on screen: the host runs them (QtHost::StartTimer).
        {"Timer", MakerOf<HiddenView>()},
    };
    return types;
}

}  // namespace

void RegisterViewType(const std::string& typeName, ViewMaker maker) {
    Types()[typeName] = std::move(maker);
}

std::unique_ptr<ViewBase> CreateView(forms::Control& control, FormWindow& window) {
    auto it = Types().find(control.TypeName());
    if (it == Types().end()) return std::make_unique<HiddenView>(control, window);
    return it->second(control, window);
}

}  // namespace qtview
