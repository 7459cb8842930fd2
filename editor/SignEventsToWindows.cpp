#include "editor/SignEventsToWindows.h"

#include "catalogue/frmOptions.h"
#include "core/Globals.h"
#include "core/SignEvents.h"
#include "editor/frmMain.h"
#include "modelspec/frmModelNum.h"
#include "platform/forms/Instance.h"

namespace zomel {
namespace {

class WindowSignEvents final : public SignEvents {
public:
    void CharSizeUnitChanged() override { forms::Instance<frmOptions>().LoadCharHigh(); }
    void HighDensityChanged(vb::Integer highDensity) override {
        MainForm->HighDensity = highDensity;
    }
    void ModelNumberChanged(const std::string& modelNumber) override {
        MainForm->txtModel->SetText(modelNumber);
    }
    void SizesChanged() override { forms::Instance<frmModelNum>().UpdateModelNum(); }
    void VerticalChanged(vb::Integer vertical) override {
        MainForm->mnuSignVertical_Click(vertical);
    }
};

}  // namespace

void SubscribeWindowsToSign() {
    static WindowSignEvents windows;
    SubscribeSignEvents(&windows);
}

}  // namespace zomel
