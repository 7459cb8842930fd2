#include "estimate/frmOrder.h"

#include "core/Diagnostics.h"
#include "core/Globals.h"
#include "core/PriceLoad.h"
#include "core/Sign.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Interaction.h"
#include "platform/vb/Error.h"

namespace zomel {
namespace {

// The window's sizes below which the grid, the labels and the buttons stay where they are.
constexpr vb::Single kGridHeightFrom = 2500;
constexpr vb::Single kGridHeightMargin = 2000;
constexpr vb::Single kGridWidthFrom = 500;
constexpr vb::Single kGridWidthMargin = 360;
constexpr vb::Single kLabelsFrom = 6000;
constexpr vb::Single kCommentMargin = 1745;
constexpr vb::Single kTitleWidth = 2535;
constexpr vb::Single kButtonMargin = 1360;

}  // namespace

frmOrder::frmOrder() : ProgramForm("frmOrder") {
    On("cmdOk", "Click", [this](forms::Control&, forms::EventArgs&) { cmdOk_Click(); });
    On("cmdOpt", "Click", [this](forms::Control&, forms::EventArgs&) { cmdOpt_Click(); });
    On("cmdPrint", "Click", [this](forms::Control&, forms::EventArgs&) { cmdPrint_Click(); });
}

void frmOrder::LoadError(vb::Integer flag) {
    gPriceLoad.LoadError = flag;
}

vb::Integer frmOrder::HasLoadError() const {
    return gPriceLoad.LoadError;
}

std::string frmOrder::PartNumber(vb::Long row) const {
    if (row < 0 || row >= static_cast<vb::Long>(partNumbers_.size())) return {};
    return partNumbers_[static_cast<size_t>(row)];
}

// Each step goes on after an error; an object the platform cannot make is only traced.
void frmOrder::Window_Load() {
    vb::OnError step([this] {
        const vb::ErrObject& error = vb::Err();
        if (error.Number == vb::err::kCannotCreateObject ||
            error.Number == vb::err::kClassNotAutomatable) {
            DebugTrace(TraceLabel(), error.Number, error.Description, error.Source);
            vb::Err().Clear();
        } else {
            ReportError(std::string(TraceLabel()) + " - Load");
        }
    });
    step([&] { factors_ = LengthFactorsOf(gSign->LengthUnit()); });
    step([&] { SetUpHeaders(); });
    partNumbers_.assign(1, std::string());
    step([&] { LoadPrices(); });
    step([&] { SetColumnWidths(); });
    forms::Screen().SetMousePointer(forms::vbDefault);
}

void frmOrder::Form_Resize() {
    const vb::Single height = Height();
    const vb::Single width = Width();
    if (height > kGridHeightFrom) fgPrices->SetHeight(height - kGridHeightMargin);
    if (width > kGridWidthFrom) fgPrices->SetWidth(width - kGridWidthMargin);
    if (width > kLabelsFrom) {
        lblComment->SetWidth(width - kCommentMargin);
        lblTitle->SetLeft(lblComment->Left() + (lblComment->Width() - kTitleWidth) / 2);
        for (forms::CommandButton* button : {&*cmdOk, &*cmdOpt, &*cmdPrint})
            button->SetLeft(width - kButtonMargin);
    }
}

void frmOrder::cmdOk_Click() {
    Unload();
}

// The prices are worked out again whenever the options tree was shown, changed or not.
void frmOrder::cmdOpt_Click() {
    vb::OnError report(
        [this] { ReportError(std::string(TraceLabel()) + " Options button click"); });
    report([&] {
        LoadError(vb::False);
        if (ShowOptionsTree()) LoadPrices();
    });
}

}  // namespace zomel
