#pragma once

#include <string>

class QWidget;

namespace qtview {

// Asks the person whether to print a document, naming where it will go: the default print
// queue, or a PDF file in the save folder when there is none.  False on Cancel.
bool RunPrinterDialog(const std::string& documentName, QWidget* parent);

}  // namespace qtview
