#pragma once

#include <string>

#include "platform/forms/PrinterChoice.h"

class QWidget;

namespace qtview {

// The desktop's printer dialog for a document about to be printed: the system's print queues
// with `choice` preselected (its file where it names no queue), and the number of copies.
// False on Cancel, leaving `choice` as it was.
bool RunPrinterDialog(const std::string& documentName, forms::PrinterChoice& choice,
                      QWidget* parent);

}  // namespace qtview
