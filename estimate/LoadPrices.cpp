#include "core/Catalogue.h"
#include "core/Diagnostics.h"
#include "core/Globals.h"
#include "core/PriceLoad.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "estimate/AdviceBox.h"
#include "estimate/engine/PriceList.h"
#include "estimate/frmOrder.h"
#include "modelspec/frmModelNum.h"
#include "platform/forms/Instance.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"

// The price-list engine as the estimate window runs it: the sign and the choices in, the
// grid out.
namespace zomel {
namespace {

const char* const kLoadPricesLabel = "Price Estimate Load Prices";
constexpr vb::Long kCaptionId = 111;

// The catalogue row that failed, for the log; an object the platform cannot make is traced.
void ReportPriceError(const PriceRun& run) {
    gPriceLoad.RowIndex = run.RowIndex;
    gPriceLoad.OptionIndex = vb::Long{run.OptionIndex};
    const vb::ErrObject& error = vb::Err();
    if (error.Number == vb::err::kCannotCreateObject ||
        error.Number == vb::err::kClassNotAutomatable) {
        DebugTrace(kLoadPricesLabel, error.Number, error.Description, error.Source);
        vb::Err().Clear();
        return;
    }
    ReportError(std::string(kLoadPricesLabel) + " Step: " + std::to_string(run.LoadStep) + " ");
    LogPriceLoadError();
}

}  // namespace

PriceRun frmOrder::StartRun() const {
    PriceRun run;
    const bool box =
        MainForm ? MainForm->ChkVertical->Value() == forms::vbChecked : gSign->Vertical() != 0;
    const bool high = (MainForm ? MainForm->HighDensity : gSign->HighDensity()) != 0;
    run.Sign = PricedSignOf(*gSign, factors_, box, high);
    run.AltPartsFlag = AltPartsFlag != 0;
    run.CabinetOption = CabinetOption != 0;
    run.PanelCount = PanelCount;
    run.BatteryCount = BatteryCount;
    if (MainForm) {
        run.FirstEstimate = MainForm->FirstEstimate;
        run.SignChanged = MainForm->SignChanged;
    }
    return run;
}

void frmOrder::LoadPrices() {
    SetCaption(forms::LoadResString(kCaptionId) + PriceListDate);
    PriceRun run = StartRun();
    run.ShowSolar = [this](PriceRun& r) {
        ShowAdvice(r.PendingAdvice);
        ShowSolar(r);
    };
    std::vector<PriceLine> lines = PriceCatalogue(run, [&run](const PriceRun&) {
        ShowAdvice(run.PendingAdvice);
        ReportPriceError(run);
    });
    ShowAdvice(run.PendingAdvice);
    FinishRun(run);
    vb::OnError step([&run] { ReportPriceError(run); });
    step([&] {
        if (gSign->ModelNumber().starts_with("C")) return;
        forms::Instance<frmModelNum>().UpdateModelNum();
        const std::string caption = MainForm ? MainForm->txtModel->Text() : gSign->ModelNumber();
        AssembleSign(lines, run, caption, gSign->ModelNumber());
    });
    step([&] { ShowLines(lines); });
}

// What the run changed that outlives it.
void frmOrder::FinishRun(const PriceRun& run) {
    SkippedRows = run.SkippedRows;
    gPriceLoad.RowIndex = run.RowIndex;
    gPriceLoad.OptionIndex = vb::Long{run.OptionIndex};
    gPriceLoad.PriceValue = run.UnitPrice;
    if (!MainForm) return;
    MainForm->FirstEstimate = run.FirstEstimate;
    MainForm->SignChanged = run.SignChanged;
}

}  // namespace zomel
