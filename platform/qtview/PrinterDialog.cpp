#include "platform/qtview/PrinterDialog.h"

#include <QMessageBox>
#include <QPushButton>

#include "platform/os/Paths.h"
#include "platform/printer/PrintQueue.h"
#include "platform/qtview/Convert.h"

namespace qtview {

bool RunPrinterDialog(const std::string& documentName, QWidget* parent) {
    const std::string queue = forms::CurrentPrintQueue().DefaultDestination();
    const std::string destination =
        queue.empty() ? "a PDF file in " + os::SaveFolder() : "the printer " + queue;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Print"),
                    ToQt("Print \"" + documentName + "\" to " + destination + "?"),
                    QMessageBox::NoButton, parent);
    QPushButton* print = box.addButton(QStringLiteral("&Print"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(print);
    box.exec();
    return box.clickedButton() == print;
}

}  // namespace qtview
