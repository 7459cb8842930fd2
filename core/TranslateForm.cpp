#include "core/TranslateForm.h"

#include <string_view>

#include "platform/forms/Control.h"
#include "platform/forms/ItemControls.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Error.h"

namespace zomel {
namespace {

constexpr vb::Long kFontNameId = 20;
constexpr vb::Long kFontSizeId = 21;

// A stored id is a number when its leading numeric value is above 0.
bool HoldsNumber(const vb::Variant& value) {
    return vb::Val(value.ToString()) > 0;
}

std::string TextOf(const vb::Variant& id) {
    return forms::LoadResString(vb::CLng(id));
}

// Each replacement is skipped on its own when it fails (not a number, no such entry, no
// such property); nothing is reported.
template <class Step>
void Try(Step&& step) {
    vb::ResumeNext(std::forward<Step>(step));
}

// property := text of the id held by `source`.
void Replace(forms::PropertyObject& object, std::string_view property, std::string_view source) {
    Try([&] { object.Let(property, TextOf(object.Get(source))); });
}

void ReplaceIfNumber(forms::PropertyObject& object, std::string_view property,
                     std::string_view source) {
    Try([&] {
        if (HoldsNumber(object.Get(source))) object.Let(property, TextOf(object.Get(source)));
    });
}

void TranslateFont(forms::Form& form, forms::Control& control) {
    const std::string& type = control.TypeName();
    if (type == "CommonDialog") {
        Try([&] { control.Let("FontName", form.Font()->Name); });
        Try([&] { control.Let("FontSize", form.Font()->Size); });
        return;
    }
    for (std::string_view kept : {"Image", "ImageList", "Menu", "PictureBox", "SignObject",
                                  "SSScroll", "SSSplitter", "Toolbar"})
        if (type == kept) return;
    Try([&] { control.SetFont(form.Font()); });
}

void TranslateToolBars(forms::ActiveToolBars& bars) {
    for (const auto& bar : bars.ToolBars()) {
        for (const auto& tool : bar->Tools()) {
            Replace(*tool, "Name", "Name");
            Try([&] {
                std::string tip = TextOf(tool->Get("ToolTipText"));
                bars.ToolById(tool->ID()).Let("ToolTipText", tip);
            });
            Try([&] {
                if (tool->Type() == forms::kToolPopup) TranslateTools(*tool);
            });
        }
    }
}

void TranslateTexts(forms::Control& control) {
    const std::string& type = control.TypeName();
    if (type == "CheckBox" || type == "CommandButton" || type == "Label") {
        Replace(control, "Caption", "Tag");
        ReplaceIfNumber(control, "ToolTipText", "ToolTipText");
    } else if (type == "ComboBox") {
        Replace(control, "ToolTipText", "Tag");
    } else if (type == "Image") {
        Replace(control, "ToolTipText", "Tag");
        ReplaceIfNumber(control, "ToolTipText", "ToolTipText");
    } else if (type == "Menu") {
        Try([&] {
            std::string caption = control.Get("Caption").ToString();
            if (caption != "-" && !caption.empty()) control.Let("Caption", TextOf(caption));
        });
    } else if (type == "SignObject") {
        ReplaceIfNumber(control, "ToolTipText", "ToolTipText");
    } else if (auto* strip = dynamic_cast<forms::TabStrip*>(&control)) {
        ReplaceIfNumber(control, "ToolTipText", "Tag");
        for (const auto& tab : strip->Tabs()) {
            Replace(*tab, "Caption", "Tag");
            Replace(*tab, "ToolTipText", "ToolTipText");
        }
    } else if (auto* toolbar = dynamic_cast<forms::Toolbar*>(&control)) {
        for (const auto& button : toolbar->Buttons())
            if (button->Get("Style").ToInteger() == 0)
                Replace(*button, "ToolTipText", "ToolTipText");
    } else if (auto* list = dynamic_cast<forms::ListView*>(&control)) {
        for (const auto& header : list->ColumnHeaders())
            Replace(*header, "Text", "Tag");
    } else if (auto* bars = dynamic_cast<forms::ActiveToolBars*>(&control)) {
        TranslateToolBars(*bars);
    } else if (type == "CommonDialog" || type == "ImageList" || type == "MSFlexGrid" ||
               type == "PictureBox" || type == "SSSplitter" || type == "SSTree") {
        // Nothing of these carries a text.
    } else {
        ReplaceIfNumber(control, "Caption", "Tag");
        ReplaceIfNumber(control, "ToolTipText", "ToolTipText");
        if (type.starts_with("SS"))
            Try([&] {
                vb::Variant id = control.Get("TagVariant");
                if (vb::Val(id.ToString()) >= 1) control.Let("ToolTipText", TextOf(id));
            });
    }
}

}  // namespace

void TranslateForm(forms::Form& form, bool changeControlFonts) {
    Try([&] {
        if (vb::Val(form.Tag()) > 0) form.SetCaption(TextOf(form.Tag()));
    });
    // The window keeps its font object: controls given it share it.
    forms::FontRef font = form.Font();
    Try([&] { font->Name = forms::LoadResString(kFontNameId); });
    Try([&] { font->Size = vb::CInt(vb::Val(forms::LoadResString(kFontSizeId))); });
    form.SetFont(font);
    for (const auto& control : form.Controls()) {
        if (changeControlFonts) TranslateFont(form, *control);
        TranslateTexts(*control);
    }
    vb::Err().Clear();
}

void TranslateTools(forms::Tool& popup) {
    for (const auto& tool : popup.Menu()) {
        Replace(*tool, "Name", "Name");
        Replace(*tool, "ToolTipText", "ToolTipText");
        Try([&] {
            if (tool->Type() == forms::kToolPopup) TranslateTools(*tool);
        });
    }
    vb::Err().Clear();
}

}  // namespace zomel
