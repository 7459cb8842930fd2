#include "editor/SizeListChecks.h"

#include "catalogue/frmOptions.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "core/SizeValidation.h"
#include "editor/frmMain.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Instance.h"

namespace zomel {
namespace {

SizeListChoice Choice(forms::ComboBox& list) {
    const vb::Integer index = list.ListIndex();
    return {index >= 0, list.List(index)};
}

}  // namespace

std::string ValidateHeightWidth(vb::Integer& selectionMissing) {
    return CheckSizePair(Choice(*MainForm->cbbHigh), Choice(*MainForm->cbbWide),
                         gSign->CharSizeUnit(), false, selectionMissing);
}

std::string ValidateWidthHeight(vb::Integer& selectionMissing) {
    const SizeListChoice width = Choice(*MainForm->cbbWide);
    if (width.Selected && MainForm->chkWide->Value() == forms::vbChecked) {
        forms::Instance<frmOptions>().LoadWideFilter();
        selectionMissing = vb::False;
        return {};
    }
    return CheckSizePair(Choice(*MainForm->cbbHigh), width, gSign->CharSizeUnit(), true,
                         selectionMissing);
}

}  // namespace zomel
