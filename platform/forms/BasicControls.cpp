#include "platform/forms/BasicControls.h"

#include "platform/forms/Host.h"
#include "platform/gdi/SystemColors.h"
#include "platform/vb/Error.h"

namespace forms {
namespace {

const vb::Variant kButtonFace = gdi::SystemColorValue(gdi::SystemColor::ButtonFace);
const vb::Variant kButtonText = gdi::SystemColorValue(gdi::SystemColor::ButtonText);
const vb::Variant kWindowBackground = gdi::SystemColorValue(gdi::SystemColor::Window);
const vb::Variant kWindowText = gdi::SystemColorValue(gdi::SystemColor::WindowText);

}  // namespace

const PropertyTable& Label::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&CaptionedControl::Table());
        t.Stored("Alignment", vb::Integer{0})
            .Stored("AutoSize", false)
            .Stored("BackStyle", vb::Integer{1})
            .Stored("BorderStyle", vb::Integer{0})
            .Stored("BackColor", kButtonFace)
            .Stored("ForeColor", kButtonText)
            .Stored("WordWrap", false)
            .Stored("UseMnemonic", true);
        return t;
    }();
    return table;
}

const PropertyTable& Frame::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&CaptionedControl::Table());
        t.Stored("BackColor", kButtonFace)
            .Stored("ForeColor", kButtonText)
            .Stored("BorderStyle", vb::Integer{1});
        return t;
    }();
    return table;
}

const PropertyTable& CommandButton::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&CaptionedControl::Table());
        t.Stored("Default", false)
            .Stored("Cancel", false)
            .Stored("Style", vb::Integer{0})
            .Stored("Picture", "")
            .Stored("BackColor", kButtonFace);
        return t;
    }();
    return table;
}

const PropertyTable& Menu::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&CaptionedControl::Table());
        t.Stored("Checked", false).Stored("Shortcut", "").Stored("WindowList", false);
        return t;
    }();
    return table;
}

const PropertyTable& Image::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&Control::Table());
        t.Stored("Picture", "").Stored("Stretch", false).Stored("BorderStyle", vb::Integer{0});
        return t;
    }();
    return table;
}

const PropertyTable& Shape::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&Control::Table());
        t.Stored("Shape", vb::Integer{0})
            .Stored("BorderColor", kWindowText)
            .Stored("BorderStyle", vb::Integer{1})
            .Stored("BorderWidth", vb::Integer{1})
            .Stored("FillColor", vb::Long{0})
            .Stored("FillStyle", vb::Integer{1})
            .Stored("BackColor", kWindowBackground)
            .Stored("BackStyle", vb::Integer{0});
        return t;
    }();
    return table;
}

const PropertyTable& CommonDialog::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&Control::Table());
        t.Stored("FontName", "MS Sans Serif")
            .Stored("FontSize", 8.0)
            .Stored("FontBold", false)
            .Stored("FontItalic", false)
            .Stored("FontUnderline", false)
            .Stored("FontStrikethru", false)
            .Stored("Flags", vb::Long{0})
            .Stored("CancelError", false)
            .Stored("DialogTitle", "");
        return t;
    }();
    return table;
}

void CommonDialog::ShowFont() {
    FontChoice font{Get("FontName").ToString(),    Get("FontSize").ToDouble(),
                    Get("FontBold").ToBool(),      Get("FontItalic").ToBool(),
                    Get("FontUnderline").ToBool(), Get("FontStrikethru").ToBool()};
    if (!CurrentHost().ChooseFont(font, Get("Flags").ToLong())) {
        if (Get("CancelError").ToBool())
            vb::Raise(vb::err::kDialogCancelled, "Cancel was selected.");
        return;
    }
    Let("FontName", font.Name);
    Let("FontSize", font.Size);
    Let("FontBold", font.Bold);
    Let("FontItalic", font.Italic);
    Let("FontUnderline", font.Underline);
    Let("FontStrikethru", font.Strikethru);
}

const PropertyTable& ImageList::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&Control::Table());
        t.Stored("ImageWidth", vb::Integer{16}).Stored("ImageHeight", vb::Integer{16});
        return t;
    }();
    return table;
}

}  // namespace forms
