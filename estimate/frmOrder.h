#pragma once

#include <string>
#include <vector>

#include "core/ProgramForm.h"
#include "estimate/engine/LengthFactors.h"
#include "estimate/engine/PriceRun.h"
#include "platform/forms/BasicControls.h"
#include "platform/forms/FlexGrid.h"
#include "platform/forms/Ref.h"
#include "platform/forms/RichTextBox.h"
#include "platform/vb/Variant.h"

namespace zomel {

struct HeadLine;  // a line of the printed page head

// The price estimate window: the itemised price list of the sign with its chosen options.
// Its run-long values exist before the window is first loaded: the options tree and the solar
// window write these before and between estimates; those the catalogue loader writes at
// start-up are in gPriceLoad (core/PriceLoad.h).
class frmOrder : public ProgramForm {
public:
    frmOrder();

    vb::Integer AltPartsFlag = vb::False;   // alternative part numbers chosen (options tree)
    vb::Integer CabinetOption = vb::False;  // check state of the cabinet placeholder option
    vb::Variant BatteryCount;     // batteries chosen in the solar window (a Long); empty is 0
    vb::Variant PanelCount;       // panels chosen in the solar window (a Long); empty is 0
    vb::Integer SkippedRows = 0;  // grid rows the price load gave back while filling

    // Stores the load-error flag that the Options button tests.
    void LoadError(vb::Integer flag);
    vb::Integer HasLoadError() const;

    // The catalogue part number of a grid row, as the exports read it; the model number for
    // the assembled sign; "" for a row without one.
    std::string PartNumber(vb::Long row) const;

    forms::Ref<forms::FlexGrid> fgPrices{*this, "fgPrices"};
    forms::Ref<forms::CommandButton> cmdPrint{*this, "cmdPrint"};
    forms::Ref<forms::CommandButton> cmdOpt{*this, "cmdOpt"};
    forms::Ref<forms::CommandButton> cmdOk{*this, "cmdOk"};
    forms::Ref<forms::Label> lblTitle{*this, "lblTitle"};
    forms::Ref<forms::Label> lblComment{*this, "lblComment"};
    forms::Ref<forms::RichTextBox> rtbQuote{*this, "rtbQuote"};

    // The estimate document: built from its template and saved, printed as well when asked.
    void cmdPrint_Click();
    void PrintEstimate(bool Printing);
    void ReplaceText(const std::string& FindText, const std::string& NewText, vb::Long options = 0);

protected:
    void Window_Load() override;
    void Form_Resize() override;
    // Ctrl+C copies the estimate for a spreadsheet, Alt+X exports it as XML.
    void Window_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) override;

private:
    void cmdOk_Click();
    void cmdOpt_Click();

    // The price-list engine: fills the grid for the sign and its options.
    void LoadPrices();
    PriceRun StartRun() const;
    void FinishRun(const PriceRun& run);
    void ShowSolar(PriceRun& run);
    // Loads and shows the options tree; false when it could not be loaded.
    bool ShowOptionsTree();

    // The grid: its headers, its lines, its column widths.
    void SetUpHeaders();
    void ShowLines(const std::vector<PriceLine>& lines);
    // The line grid row `row` shows, as the document and the exports read it; a column the
    // grid lacks reads empty.
    PriceLine GridLine(vb::Long row) const;
    void SetColumnWidths();

    // The estimate document, the printed page and the exports.
    void PrintPageHead(const std::string& orientation);
    bool FitsOnPage(const std::string& text) const;
    void PrintLineOfPage(const std::string& text, bool priceLine = false);
    void PrintHeadLine(const HeadLine& line);
    void PrintHeading();
    void CopyToClipboard();
    void ExportXml();

    LengthFactors factors_;
    std::vector<std::string> partNumbers_;  // by grid row
    vb::Single printMargin_ = 720;          // above and below the printed lines, in twips
};

}  // namespace zomel
