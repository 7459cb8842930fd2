// The File menu: printing the sign on show, and leaving the program.
#include <algorithm>

#include "core/Diagnostics.h"
#include "editor/SignPicture.h"
#include "editor/frmMain.h"
#include "platform/forms/Host.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/gdi/Picture.h"
#include "platform/gdi/Screen.h"
#include "platform/printer/Printer.h"
#include "platform/vb/Error.h"

namespace zomel {
namespace {

constexpr vb::Long kNoPrinterId = 10921;
constexpr vb::Single kMarginInches = 0.5f;
constexpr const char* kDocumentName = "ZOMELBuilder Sign";
constexpr const char* kPrintLabel = "Main - mnuFilePrint";

}  // namespace

void frmMain::mnuFilePrint_Click() {
    if (ViewSign->Get("FrameCount").ToLong() == 0) {
        forms::CurrentHost().Beep();
        return;
    }
    vb::Integer pointer = forms::Screen().MousePointer();
    forms::Screen().SetMousePointer(forms::vbHourglass);
    // Cancelled, nothing is printed.
    if (!forms::Printer().ShowPrinterDialog(kDocumentName)) {
        forms::Screen().SetMousePointer(pointer);
        return;
    }
    try {
        PrintSign(forms::Printer().hDC());
    } catch (...) {
        // The likely cause, then the real one, which the log keeps as well.
        vb::CaptureCurrentException();
        const std::string cause = vb::Err().Description;
        LogError(kPrintLabel);
        forms::MsgBox(forms::LoadResString(kNoPrinterId) + "\r\r" + cause, forms::vbOKOnly,
                      forms::App().Title);
    }
    forms::Screen().SetMousePointer(pointer);
}

// The sign's picture on one page, at its own size or narrowed to fit between the margins.
void frmMain::PrintSign(vb::Long) {
    vb::OnError step([] { ReportError("Main - PrintSign"); });
    step([this] {
        auto frame = ViewSign->Call("GetFrame", {vb::Integer{1}}).As<gdi::Picture>();
        if (!frame) vb::Raise(vb::err::kObjectRequired);
        SignPictureLayout layout{
            ViewSign->Get("PixPerSegX").ToInteger(), ViewSign->Get("PixPerSegY").ToInteger(),
            ViewSign->Get("SegSepX").ToInteger(),    ViewSign->Get("SegSepY").ToInteger(),
            ViewSign->Get("Zoom").ToDouble(),        ViewSign->Get("ZomelOutline").ToBool()};
        gdi::Picture picture(DrawSignPicture(frame->Image(), layout));
        forms::PrinterObject& printer = forms::Printer();
        // The other printouts measure in twips: the scale goes back however this one ends.
        struct Scale {
            forms::PrinterObject& printer;
            vb::Integer mode = printer.ScaleMode();
            ~Scale() { printer.SetScaleMode(mode); }
        } restore{printer};
        printer.SetScaleMode(forms::PrinterObject::kInches);
        vb::Single room = printer.ScaleWidth() - 2 * kMarginInches;
        vb::Single width = static_cast<vb::Single>(picture.PixelWidth()) / gdi::kScreenDpi;
        vb::Single height = static_cast<vb::Single>(picture.PixelHeight()) / gdi::kScreenDpi;
        vb::Single scale = std::min<vb::Single>(1, room / width);
        printer.PaintPicture(picture, kMarginInches, kMarginInches, width * scale, height * scale);
        printer.EndDoc();
    });
}

void frmMain::mnuFileExit_Click() {
    Unload();
}

}  // namespace zomel
