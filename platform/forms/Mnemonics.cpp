#include "platform/forms/Mnemonics.h"

#include <cctype>

#include "platform/forms/BasicControls.h"
#include "platform/forms/Focus.h"
#include "platform/forms/Form.h"

namespace forms {
namespace {

// A label marks a letter only while it shows its ampersands as marks.
bool MarksWithCaption(const Control& control) {
    if (dynamic_cast<const Frame*>(&control)) return true;
    return dynamic_cast<const Label*>(&control) && control.Get("UseMnemonic").ToBool();
}

}  // namespace

char MnemonicOf(std::string_view caption) {
    for (size_t at = 0; at + 1 < caption.size(); ++at) {
        if (caption[at] != '&') continue;
        if (caption[at + 1] != '&')
            return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[at + 1])));
        ++at;  // "&&" is a plain ampersand
    }
    return 0;
}

Control* LabelledByMnemonic(Form& form, vb::Integer keyCode) {
    if (!form.IsLoaded() || keyCode <= 0 || keyCode > 0x7F) return nullptr;
    for (const auto& control : form.Controls()) {
        const auto* captioned = dynamic_cast<const CaptionedControl*>(control.get());
        if (!captioned || !MarksWithCaption(*control) ||
            MnemonicOf(captioned->Caption()) != static_cast<char>(keyCode) ||
            !InSight(form, *control) || !InClientArea(form, *control))
            continue;
        return NextInTabOrder(form, control.get());
    }
    return nullptr;
}

}  // namespace forms
