#include <algorithm>
#include <cmath>

#include "core/Catalogue.h"
#include "core/Diagnostics.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "estimate/EstimateDocument.h"
#include "estimate/frmOrder.h"
#include "platform/forms/Interaction.h"
#include "platform/os/Paths.h"
#include "platform/printer/Printer.h"
#include "platform/vb/Error.h"
#include "platform/vb/NamingFile.h"
#include "platform/vb/Now.h"

// The estimate document and the printed estimate.  The document is the template with its
// tokens filled in and a line for each grid row at its end; the printed page has a head of
// its own and the same lines.
namespace zomel {

// The price lines print at the size of the page head's text.
constexpr double kLinePoints = 12;

// A line of the printed page head.
struct HeadLine {
    std::string text;
    double points = kLinePoints;
    bool bold = false;
};

namespace {

constexpr const char* kDocumentName = "ZOMELBuilder Estimate";
constexpr vb::Integer kMostReplacements = 25;
// The printed page: a half-inch margin all round; above and below it narrows, to a fifth of
// an inch at least (wider than a printer's own unprinted edge), where the face's lines are too
// tall for the head and 33 price lines, as on the shorter landscape page of A4.  The line
// after which a long estimate breaks.
constexpr vb::Single kPrintMargin = 720;
constexpr vb::Single kLeastMargin = 288;
constexpr vb::Long kBreakAfterRow = 33;
// The most grid rows that print on one page: the header row and the lines up to the break.
constexpr vb::Long kGridRowsOfOnePage = kBreakAfterRow + 1;
constexpr double kTitlePoints = 24;

const HeadLine& Heading() {
    static const HeadLine heading{kEstimateHeading, kLinePoints, true};
    return heading;
}

// The page head, top to bottom, the column heading last: what the margin is fitted to is
// what prints.
std::vector<HeadLine> PageHead(const Sign& sign, const std::string& orientation) {
    return {
        {"Estimated Retail Pricing Information - " + vb::NowText()},
        {"SIGN ESTIMATE", kTitlePoints},
        {"The following is the estimated retail price of the components needed for your sign "
         "configuration. "},
        {"Mounting and installation are not included in this estimate. Contact your local "
         "representative or "},
        {"VELDO, Inc. for more information. This estimate is for " +
         std::to_string(sign.XZomelCount()) + " columns and " + std::to_string(sign.YZomelCount()) +
         " rows of " + orientation + " ZOMELS."},
        Heading(),
    };
}

void SetPrintFont(double points, bool bold, bool underline) {
    forms::PrinterObject& printer = forms::Printer();
    gdi::Font font = printer.Font();
    font.points = points;
    font.bold = bold;
    font.underline = underline;
    printer.SetFont(font);
}

vb::Single LineHeight(const HeadLine& line) {
    SetPrintFont(line.points, line.bold, false);
    return forms::Printer().TextHeight(line.text);
}

// What the face's lines measure decides the margin above and below, not what 12 points
// would be in a face of other proportions.
vb::Single FittedMargin(const std::vector<HeadLine>& head) {
    forms::PrinterObject& printer = forms::Printer();
    const gdi::Font kept = printer.Font();
    const vb::Single priceLine =
        std::max(LineHeight({"X", kLinePoints, false}), LineHeight({"X", kLinePoints, true}));
    vb::Single needed = priceLine * kBreakAfterRow;
    for (const HeadLine& line : head)
        needed += LineHeight(line);
    printer.SetFont(kept);
    // A twip to spare, so that the sum of the lines never overshoots by a rounding.
    const vb::Single spare = std::floor((printer.Height() - needed) / 2) - 1;
    return std::clamp(spare, kLeastMargin, kPrintMargin);
}

}  // namespace

void frmOrder::cmdPrint_Click() {
    forms::Screen().SetMousePointer(forms::vbHourglass);
    if (!forms::Printer().ShowPrinterDialog(kDocumentName)) {
        PrintEstimate(false);
        forms::Screen().SetMousePointer(forms::vbDefault);
        return;
    }
    forms::PrinterObject& printer = forms::Printer();
    printer.KillDoc();
    printer.SetOrientation(forms::PrinterObject::kLandscape);
    printer.SetFont(gdi::Font{"courier new", 12});
    // A print that fails is reported and leaves nothing behind: the next Print starts anew.
    vb::OnError failed([this, &printer] {
        ReportError(std::string(TraceLabel()) + " Print Error ");
        printer.KillDoc();
    });
    failed([&] {
        PrintEstimate(true);
        printer.EndDoc();
    });
    printer.SetOrientation(forms::PrinterObject::kPortrait);
    forms::Screen().SetMousePointer(forms::vbDefault);
}

bool frmOrder::FitsOnPage(const std::string& text) const {
    forms::PrinterObject& printer = forms::Printer();
    const vb::Single top = std::max(printer.CurrentY(), printMargin_);
    return top + printer.TextHeight(text) <= printer.Height() - printMargin_;
}

// A page that is full goes on on the next one.  A price line that finds its page full starts
// the next one under the heading, as the break after row 33 does: no page of prices begins
// without it.
void frmOrder::PrintLineOfPage(const std::string& text, bool priceLine) {
    forms::PrinterObject& printer = forms::Printer();
    if (!FitsOnPage(text)) {
        printer.NewPage();
        if (priceLine) {
            const gdi::Font line = printer.Font();
            PrintHeading();
            printer.SetFont(line);
        }
    }
    if (printer.CurrentY() < printMargin_) printer.SetCurrentY(printMargin_);
    printer.SetCurrentX(kPrintMargin);
    printer.Print(text);
}

void frmOrder::PrintHeadLine(const HeadLine& line) {
    SetPrintFont(line.points, line.bold, false);
    PrintLineOfPage(line.text);
    SetPrintFont(kLinePoints, false, false);
}

void frmOrder::PrintHeading() {
    PrintHeadLine(Heading());
}

void frmOrder::PrintPageHead(const std::string& orientation) {
    const std::vector<HeadLine> head = PageHead(*gSign, orientation);
    printMargin_ = FittedMargin(head);
    for (const HeadLine& line : head)
        PrintHeadLine(line);
}

void frmOrder::PrintEstimate(bool Printing) {
    const Sign& sign = *gSign;
    forms::RichTextBox& document = *rtbQuote;
    vb::OnError templateError(
        [this] { ReportError(std::string(TraceLabel()) + " Template Error "); });
    if (!templateError([&] {
            const std::string path = os::JoinPath(os::ProgramFolder(), "CustomEst.hms");
            vb::NamingFile(path, [&] { document.LoadFile(path); });
        }))
        return;
    ReplaceText("$date$", PriceListDate);
    ReplaceText("$xcount$", std::to_string(sign.XZomelCount()));
    // Only the words themselves: "arrows" keeps its "rows".
    const vb::Long words = forms::RichTextBox::rtfWholeWord;
    if (sign.XZomelCount() == 1) ReplaceText("columns", "column", words);
    ReplaceText("$ycount$", std::to_string(sign.YZomelCount()));
    if (sign.YZomelCount() == 1) ReplaceText("rows", "row", words);
    const std::string orientation = sign.Vertical() ? "vertical" : "horizontal";
    ReplaceText("$orientation$", orientation);
    if (Printing) PrintPageHead(orientation);

    const vb::Long rows = fgPrices->Rows();
    for (vb::Long r = 1; r < rows; ++r) {
        const EstimateRowKind kind = r == rows - 1   ? EstimateRowKind::Totals
                                     : r == rows - 2 ? EstimateRowKind::LastItem
                                                     : EstimateRowKind::Item;
        const PriceLine line = GridLine(r);
        // The lines go at the document's end, however long the template is.
        document.SetSelStart(document.Document().Length());
        document.SetSelRTF(EstimateRtfLine(line, kind));
        if (Printing) {
            SetPrintFont(kLinePoints, kind == EstimateRowKind::Totals,
                         kind == EstimateRowKind::LastItem);
            PrintLineOfPage(EstimatePrintLine(line, kind), /*priceLine=*/true);
            if (rows > kGridRowsOfOnePage && r == kBreakAfterRow) {
                forms::Printer().NewPage();
                PrintHeading();
            }
        }
    }
    document.SetSelStart(0);
    document.SetSelLength(document.Document().Length());
    vb::OnError saveError([this] { ReportError(std::string(TraceLabel()) + " Save Error "); });
    saveError([&] { document.SaveFile(os::JoinPath(os::DocumentFolder(), "Estimate.rtf")); });
}

// Every search starts at the document's beginning and goes on behind each replacement, so
// that no occurrence before an earlier token is missed and a replacement holding its own
// text cannot repeat without end.
void frmOrder::ReplaceText(const std::string& FindText, const std::string& NewText,
                           vb::Long options) {
    forms::RichTextBox& document = *rtbQuote;
    vb::Long from = 0;
    for (vb::Integer count = 0; count < kMostReplacements; ++count) {
        vb::Long at = document.Find(FindText, from, -1, options | forms::RichTextBox::rtfMatchCase);
        if (at < 0) break;
        document.SetSelText(NewText);
        from = document.SelStart();
    }
}

}  // namespace zomel
