#include "platform/printer/Printer.h"

#include <fcntl.h>
#include <stdio.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <filesystem>

#include "platform/forms/Constants.h"
#include "platform/forms/Host.h"
#include "platform/forms/Interaction.h"
#include "platform/gdi/Screen.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/os/TempFiles.h"
#include "platform/printer/PdfWriter.h"
#include "platform/printer/PrintQueue.h"
#include "platform/vb/Error.h"
#include "platform/vb/Now.h"
#include "platform/vb/Strings.h"

namespace forms {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kPointsPerInch = 72.0;
constexpr double kTwipsPerPixel = kTwipsPerInch / PrinterObject::kDpi;

// A name in the save folder that no file has yet: "Printout 1.pdf", "Printout 2.pdf", ...
std::string FreeSaveName() {
    std::string folder = os::SaveFolder();
    for (int n = 1;; ++n) {
        std::string path = folder + "Printout " + std::to_string(n) + ".pdf";
        if (!os::FileExists(path)) return path;
    }
}

// Where the printout of a failed save is kept: in the temporary folder, under a name that
// the clean-up of spooled files at the next start leaves alone.  Its path, or the spooled
// file's own where it could not be renamed.
std::string KeepUnsaved(const std::string& pdfPath) {
    const std::string stem =
        os::TempFolder() + "Unsaved printout " + vb::NowText("%Y-%m-%d %H.%M.%S");
    for (int n = 1; n < 1000; ++n) {
        std::string path = stem + (n == 1 ? "" : " (" + std::to_string(n) + ")") + ".pdf";
        // Never over an earlier one kept in the same second.
        if (::renameat2(AT_FDCWD, pdfPath.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0)
            return path;
        if (errno != EEXIST) break;
    }
    return pdfPath;
}

}  // namespace

// The queue the document goes to decides, as the dialog chose it or by default; a document
// saved to a file takes the desktop's.
const Paper& PrinterObject::DocumentPaper() const {
    if (paper_) return *paper_;
    PrintQueue& queue = CurrentPrintQueue();
    const std::string destination = chosen_ ? chosen_->queue : queue.DefaultDestination();
    std::optional<Paper> paper;
    if (!destination.empty()) paper = PaperNamed(queue.DefaultPaper(destination));
    if (!paper) paper = DesktopPaper();
    paper_ = paper.value_or(kLetterPaper);
    return *paper_;
}

Paper PrinterObject::PageSize() const {
    return orientation_ == kLandscape ? DocumentPaper().Turned() : DocumentPaper();
}

double PrinterObject::WidthInches() const {
    return PageSize().widthPoints / kPointsPerInch;
}

double PrinterObject::HeightInches() const {
    return PageSize().heightPoints / kPointsPerInch;
}

void PrinterObject::SetOrientation(vb::Integer orientation) {
    if (orientation != kPortrait && orientation != kLandscape)
        vb::Raise(vb::err::kInvalidPropertyValue);
    // The pages of an open document keep the orientation they were started with.
    if (pages_.empty()) orientation_ = orientation;
}

vb::Single PrinterObject::Width() const {
    return static_cast<vb::Single>(WidthInches() * kTwipsPerInch);
}

vb::Single PrinterObject::Height() const {
    return static_cast<vb::Single>(HeightInches() * kTwipsPerInch);
}

void PrinterObject::SetScaleMode(vb::Integer mode) {
    switch (mode) {
        case kTwips:
        case kPoints:
        case kPixels:
        case kInches:
        case kMillimeters:
        case kCentimeters:
            scaleMode_ = mode;
            return;
        default:
            vb::Raise(vb::err::kInvalidPropertyValue);
    }
}

double PrinterObject::TwipsPerUnit() const {
    switch (scaleMode_) {
        case kPoints:
            return kTwipsPerInch / kPointsPerInch;
        case kPixels:
            return kTwipsPerPixel;
        case kInches:
            return kTwipsPerInch;
        case kMillimeters:
            return kTwipsPerInch / 25.4;
        case kCentimeters:
            return kTwipsPerInch / 2.54;
        default:
            return 1.0;
    }
}

vb::Single PrinterObject::ScaleWidth() const {
    return static_cast<vb::Single>(Width() / TwipsPerUnit());
}

vb::Single PrinterObject::ScaleHeight() const {
    return static_cast<vb::Single>(Height() / TwipsPerUnit());
}

int PrinterObject::ToPixels(vb::Single units) const {
    return static_cast<int>(std::lround(units * TwipsPerUnit() / kTwipsPerPixel));
}

gdi::Font PrinterObject::DeviceFont() const {
    // The raster layer sizes fonts for the screen; the page has more dots to the inch.
    gdi::Font font = font_;
    font.points = font_.points * kDpi / gdi::kScreenDpi;
    return font;
}

gdi::DeviceContext& PrinterObject::PageDC() {
    if (pages_.empty()) AddPage();
    dc_->SelectObject(DeviceFont());
    return *dc_;
}

vb::Long PrinterObject::hDC() {
    PageDC();
    return 0x5000 + Page();
}

vb::Single PrinterObject::TextWidth(std::string_view text) {
    gdi::Bitmap scratch;
    gdi::DeviceContext dc(scratch);
    dc.SelectObject(DeviceFont());
    return static_cast<vb::Single>(dc.TextExtentA(vb::ToWindows1252(text)).cx * kTwipsPerPixel /
                                   TwipsPerUnit());
}

vb::Single PrinterObject::TextHeight(std::string_view text) {
    gdi::Bitmap scratch;
    gdi::DeviceContext dc(scratch);
    dc.SelectObject(DeviceFont());
    int height = dc.TextExtentA(vb::ToWindows1252(text.empty() ? "X" : text)).cy;
    return static_cast<vb::Single>(height * kTwipsPerPixel / TwipsPerUnit());
}

void PrinterObject::PaintPicture(const gdi::Picture& picture, vb::Single x, vb::Single y,
                                 vb::Single width, vb::Single height) {
    const gdi::Bitmap& source = picture.Image();
    gdi::Bitmap& page = PageDC().Surface();
    if (source.Empty()) return;
    // The picture's own size is its size on screen.
    double ownScale = static_cast<double>(kDpi) / gdi::kScreenDpi;
    int left = ToPixels(x);
    int top = ToPixels(y);
    int w = width < 0 ? static_cast<int>(std::lround(source.Width() * ownScale)) : ToPixels(width);
    int h =
        height < 0 ? static_cast<int>(std::lround(source.Height() * ownScale)) : ToPixels(height);
    if (w <= 0 || h <= 0) return;
    // Nearest neighbour, so that every LED of a sign keeps its square edges.
    int firstRow = std::max(0, top), lastRow = std::min(page.Height(), top + h);
    int firstCol = std::max(0, left), lastCol = std::min(page.Width(), left + w);
    for (int py = firstRow; py < lastRow; ++py) {
        int sy = static_cast<int>(static_cast<long long>(py - top) * source.Height() / h);
        std::span<const gdi::Color> in = source.Row(sy);
        std::span<gdi::Color> out = page.Row(py);
        for (int px = firstCol; px < lastCol; ++px)
            out[px] = in[static_cast<long long>(px - left) * source.Width() / w];
    }
}

void PrinterObject::Print(std::string_view text) {
    gdi::DeviceContext& dc = PageDC();
    int x = ToPixels(currentX_);
    int y = ToPixels(currentY_);
    std::string bytes = vb::ToWindows1252(text);
    dc.SetTextColor(gdi::kBlack);
    dc.SetBkMode(gdi::BackMode::Transparent);
    dc.TextOutA(x, y, bytes);
    texts_.back().push_back({x, y, ToPixels(TextHeight(text)), std::string(text)});
    currentX_ = 0;
    currentY_ += TextHeight(text);
}

void PrinterObject::AddPage() {
    pages_.emplace_back(static_cast<int>(WidthInches() * kDpi),
                        static_cast<int>(HeightInches() * kDpi), gdi::kWhite);
    texts_.emplace_back();
    dc_.emplace(pages_.back());
}

void PrinterObject::NewPage() {
    // On a fresh document the first page is ended blank, as the runtime does.
    if (pages_.empty()) AddPage();
    AddPage();
    currentX_ = 0;
    currentY_ = 0;
}

PrintOutcome PrinterObject::EndDoc() {
    if (pages_.empty()) return {};
    // A name of its own, made with the file, so that nobody can lay a file in its way.
    std::string pdf = os::NewTempFile(kSpoolStem);
    const Paper page = PageSize();
    bool written = WritePdf(pdf, pages_, texts_, page.widthPoints, page.heightPoints);
    KillDoc();
    if (!written) {
        std::error_code ignored;
        std::filesystem::remove(pdf, ignored);
        vb::Raise(vb::err::kPathFileAccess, "The printout could not be written to " + pdf);
    }
    return Send(pdf);
}

bool PrinterObject::ShowPrinterDialog(const std::string& documentName) {
    PrinterChoice choice;
    choice.queue = CurrentPrintQueue().DefaultDestination();
    if (choice.queue.empty()) choice.file = FreeSaveName();
    if (!CurrentHost().ShowPrinterDialog(documentName, choice)) return false;
    choice.copies = std::max(choice.copies, 1);
    chosen_ = choice;
    if (pages_.empty()) paper_.reset();
    documentName_ = documentName;
    return true;
}

PrintOutcome PrinterObject::Send(const std::string& pdfPath) {
    PrintQueue& queue = CurrentPrintQueue();
    PrinterChoice choice = chosen_.value_or(PrinterChoice{queue.DefaultDestination(), {}, 1});
    const std::string title = chosen_ ? documentName_ : App().Title;
    chosen_.reset();
    if (!choice.queue.empty() && queue.Submit(pdfPath, choice.queue, title, choice.copies)) {
        std::error_code ignored;
        std::filesystem::remove(pdfPath, ignored);
        return {PrintOutcome::Kind::Queued, choice.queue};
    }
    try {
        return Save(pdfPath, choice.queue.empty() ? choice.file : std::string(), choice.queue);
    } catch (const vb::VbError& failure) {
        if (!os::FileExists(pdfPath)) throw;
        std::string why = failure.Description();
        if (why.ends_with('.')) why.pop_back();
        vb::Raise(vb::err::kPathFileAccess,
                  why + ". The printout is kept as " + KeepUnsaved(pdfPath));
    }
}

// Copies the finished document to the chosen file, else to a new one in the save folder,
// through the rewrite every document goes through (complete or nothing, the file's mode and
// links kept); the spooled file goes only once the copy is whole.  Tells the person where.
PrintOutcome PrinterObject::Save(const std::string& pdfPath, const std::string& chosenFile,
                                 const std::string& refusedBy) {
    std::string path = chosenFile;
    std::string why = "The printout";
    if (!refusedBy.empty()) {
        path = FreeSaveName();
        why = "The printer " + refusedBy + " did not take the printout, so it";
    } else if (const std::string spare = FreeSaveName(); path.empty() || path == spare) {
        path = spare;
        why = "No printer is set up on this computer, so the printout";
    }
    std::optional<std::string> bytes = os::ReadIfPresent(pdfPath);
    if (!bytes)
        vb::Raise(vb::err::kPathFileAccess, "The printout could not be saved to " + path +
                                                ": its temporary file " + pdfPath + " is gone");
    try {
        os::ReplaceAllBytes(path, *bytes);
    } catch (const vb::VbError& failure) {
        vb::Raise(vb::err::kPathFileAccess,
                  "The printout could not be saved to " + path + ": " + failure.Description());
    }
    std::error_code ignored;
    std::filesystem::remove(pdfPath, ignored);
    MsgBox(why + " was saved as a PDF file:\n" + path, vbInformation);
    return {PrintOutcome::Kind::Saved, std::move(path)};
}

void PrinterObject::KillDoc() {
    dc_.reset();
    paper_.reset();
    pages_.clear();
    texts_.clear();
    currentX_ = 0;
    currentY_ = 0;
}

PrinterObject& Printer() {
    static PrinterObject printer;
    return printer;
}

}  // namespace forms
