#include "platform/qtview/PrinterDialog.h"

#include <QPrintDialog>
#include <QPrinter>

#include "platform/qtview/Convert.h"

namespace qtview {

bool RunPrinterDialog(const std::string& documentName, forms::PrinterChoice& choice,
                      QWidget* parent) {
    QPrinter printer;
    printer.setDocName(ToQt(documentName));
    if (choice.queue.empty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(ToQt(choice.file));
    } else {
        printer.setPrinterName(ToQt(choice.queue));
    }
    printer.setCopyCount(choice.copies);
    QPrintDialog dialog(&printer, parent);
    // The program lays out its own pages: the person chooses where and how many.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        choice.queue.clear();
        choice.file = FromQt(printer.outputFileName());
    } else {
        choice.queue = FromQt(printer.printerName());
        choice.file.clear();
    }
    choice.copies = printer.copyCount();
    return true;
}

}  // namespace qtview
