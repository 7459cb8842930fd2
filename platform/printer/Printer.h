#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/PrinterChoice.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Picture.h"
#include "platform/printer/Paper.h"
#include "platform/printer/PdfWriter.h"
#include "platform/vb/Types.h"

namespace forms {

// Where EndDoc sent the document.
struct PrintOutcome {
    enum class Kind { Nothing, Queued, Saved };
    Kind kind = Kind::Nothing;
    std::string destination;  // the print queue's name, or the saved file's path
};

// The printer object: pages drawn with the raster layer at Dpi dots per inch, positioned in the
// scale mode's units, and sent as one PDF document at EndDoc.  Drawing starts a document;
// NewPage starts another page.  The paper is the one the document's print queue gives, else
// the desktop's, else US letter; a document keeps the paper it was started on.
class PrinterObject {
public:
    static constexpr int kDpi = 200;
    // The name each spooled document starts with in the temporary folder.
    static constexpr const char* kSpoolStem = "zomel-print-";
    // Scale modes.
    static constexpr vb::Integer kTwips = 1;
    static constexpr vb::Integer kPoints = 2;
    static constexpr vb::Integer kPixels = 3;
    static constexpr vb::Integer kInches = 5;
    static constexpr vb::Integer kMillimeters = 6;
    static constexpr vb::Integer kCentimeters = 7;

    static constexpr vb::Integer kPortrait = 1;
    static constexpr vb::Integer kLandscape = 2;
    vb::Integer Orientation() const { return orientation_; }
    // Takes effect with the next document; error 380 for another value.
    void SetOrientation(vb::Integer orientation);

    // The paper, in twips, as the orientation turns it.
    vb::Single Width() const;
    vb::Single Height() const;

    vb::Integer ScaleMode() const { return scaleMode_; }
    // Error 380 for a mode the printer does not measure in.
    void SetScaleMode(vb::Integer mode);
    // The page in the scale mode's units.
    vb::Single ScaleWidth() const;
    vb::Single ScaleHeight() const;
    vb::Single CurrentX() const { return currentX_; }
    vb::Single CurrentY() const { return currentY_; }
    void SetCurrentX(vb::Single x) { currentX_ = x; }
    void SetCurrentY(vb::Single y) { currentY_ = y; }

    const gdi::Font& Font() const { return font_; }
    void SetFont(const gdi::Font& font) { font_ = font; }
    vb::Single TextWidth(std::string_view text);
    vb::Single TextHeight(std::string_view text);

    // The handle of the page being drawn; it starts the document.
    vb::Long hDC();
    // Draws the picture with its top-left at (x, y), stretched to width by height (scale
    // units); a negative size keeps the picture's own size at the screen's resolution.
    void PaintPicture(const gdi::Picture& picture, vb::Single x, vb::Single y,
                      vb::Single width = -1, vb::Single height = -1);
    // Prints a line of text at the current position and moves to the start of the next line.
    void Print(std::string_view text);
    void NewPage();
    // The page being drawn, 1-based; 0 when no document is open.
    vb::Integer Page() const { return static_cast<vb::Integer>(pages_.size()); }
    // The pages drawn so far, in pixels at Dpi.
    const std::vector<gdi::Bitmap>& Pages() const { return pages_; }

    // The printer dialog for the next document, named `documentName`: the default print queue
    // preselected, or without one a PDF file in the save folder.  False when the person
    // cancels; otherwise the next EndDoc goes where the person chose.
    bool ShowPrinterDialog(const std::string& documentName);

    // Ends the document and sends it where the printer dialog chose, else to the default print
    // queue; without a queue, or where the queue refuses it, saves it as a PDF file and tells
    // the person where.  Error 75 when it could not be written; where it could not be saved,
    // the printout stays in the temporary folder and the error's description says where.
    PrintOutcome EndDoc();
    // Drops the document unprinted.
    void KillDoc();

private:
    const Paper& DocumentPaper() const;
    Paper PageSize() const;  // as the orientation turns the paper
    double TwipsPerUnit() const;
    double WidthInches() const;
    double HeightInches() const;
    int ToPixels(vb::Single units) const;
    gdi::DeviceContext& PageDC();
    void AddPage();
    gdi::Font DeviceFont() const;
    PrintOutcome Send(const std::string& pdfPath);
    PrintOutcome Save(const std::string& pdfPath, const std::string& chosenFile,
                      const std::string& refusedBy);

    std::vector<gdi::Bitmap> pages_;
    std::vector<std::vector<PageText>> texts_;  // what Print wrote on each page
    std::optional<gdi::DeviceContext> dc_;
    // The paper of the open document, or of the next one once asked for.
    mutable std::optional<Paper> paper_;
    vb::Integer scaleMode_ = kTwips;
    vb::Integer orientation_ = kPortrait;
    vb::Single currentX_ = 0;
    vb::Single currentY_ = 0;
    gdi::Font font_{"DejaVu Sans", 10};
    // What the last printer dialog chose, for the next document.
    std::optional<PrinterChoice> chosen_;
    std::string documentName_;
};

// The one printer object.
PrinterObject& Printer();

}  // namespace forms
