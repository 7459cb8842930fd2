#include "platform/forms/ControlFactory.h"

#include <map>

#include "platform/forms/ActiveToolBars.h"
#include "platform/forms/BasicControls.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/FlexGrid.h"
#include "platform/forms/HostedControl.h"
#include "platform/forms/ItemControls.h"
#include "platform/forms/ListControl.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/PictureClip.h"
#include "platform/forms/RangeControl.h"
#include "platform/forms/RichTextBox.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"
#include "platform/forms/TreeView.h"
#include "platform/vb/Error.h"

namespace forms {
namespace {

template <class T>
ControlMaker Maker(std::string typeName) {
    return [typeName](Form& parent, const std::string& name, vb::Integer index) {
        return std::unique_ptr<Control>(new T(parent, typeName, name, index));
    };
}

std::map<std::string, ControlMaker>& Types() {
    static std::map<std::string, ControlMaker> types = [] {
        std::map<std::string, ControlMaker> t;
        auto add = [&t]<class T>(const std::string& name, T*) { t[name] = Maker<T>(name); };
        add("Label", static_cast<Label*>(nullptr));
        add("Frame", static_cast<Frame*>(nullptr));
        add("CommandButton", static_cast<CommandButton*>(nullptr));
        add("Menu", static_cast<Menu*>(nullptr));
        add("Image", static_cast<Image*>(nullptr));
        add("Shape", static_cast<Shape*>(nullptr));
        add("PictureBox", static_cast<PictureBox*>(nullptr));
        add("CommonDialog", static_cast<CommonDialog*>(nullptr));
        add("ImageList", static_cast<ImageList*>(nullptr));
        add("MSFlexGrid", static_cast<FlexGrid*>(nullptr));
        add("SSTree", static_cast<TreeView*>(nullptr));
        add("TreeView", static_cast<TreeView*>(nullptr));
        add("TextBox", static_cast<TextBox*>(nullptr));
        add("RichTextBox", static_cast<RichTextBox*>(nullptr));
        add("CheckBox", static_cast<CheckBox*>(nullptr));
        add("OptionButton", static_cast<OptionButton*>(nullptr));
        add("ComboBox", static_cast<ComboBox*>(nullptr));
        add("ListBox", static_cast<ListBox*>(nullptr));
        add("TabStrip", static_cast<TabStrip*>(nullptr));
        add("Toolbar", static_cast<Toolbar*>(nullptr));
        add("ListView", static_cast<ListView*>(nullptr));
        add("StatusBar", static_cast<StatusBar*>(nullptr));
        add("SSActiveToolBars", static_cast<ActiveToolBars*>(nullptr));
        add("Timer", static_cast<Timer*>(nullptr));
        add("SignObject", static_cast<HostedControl*>(nullptr));
        add("HScrollBar", static_cast<HScrollBar*>(nullptr));
        add("VScrollBar", static_cast<VScrollBar*>(nullptr));
        add("UpDown", static_cast<UpDown*>(nullptr));
        add("PictureClip", static_cast<PictureClip*>(nullptr));
        return t;
    }();
    return types;
}

}  // namespace

std::unique_ptr<Control> CreateControl(const std::string& typeName, Form& parent,
                                       const std::string& name, vb::Integer index) {
    auto it = Types().find(typeName);
    if (it == Types().end())
        vb::Raise(vb::err::kInvalidCall, "Unknown control type '" + typeName + "' of " + name);
    return it->second(parent, name, index);
}

void RegisterControlType(const std::string& typeName, ControlMaker maker) {
    Types()[typeName] = std::move(maker);
}

}  // namespace forms
