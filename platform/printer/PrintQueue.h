#pragma once

#include <string>
#include <string_view>

namespace forms {

// Where finished printouts go: the system's print spooler.  Tests install their own.
class PrintQueue {
public:
    virtual ~PrintQueue() = default;

    // The name of the default destination; "" when the system has none.
    virtual std::string DefaultDestination() = 0;
    // The name of the paper `destination` prints on unless told otherwise; "" when it names
    // none.
    virtual std::string DefaultPaper(const std::string& destination) = 0;
    // Hands a PDF file to `destination`, to be printed `copies` times; false when the spooler
    // refused it.
    virtual bool Submit(const std::string& pdfPath, const std::string& destination,
                        const std::string& title, int copies) = 0;
};

// The default page size in a listing of a queue's options (`lpoptions -l`), whose lines read
// "PageSize/Media Size: Letter *A4 Legal" with a star on the setting in force; "" without one.
std::string DefaultPageSize(std::string_view listing);

// The installed queue, else the system's (CUPS, through lpstat and lp).
PrintQueue& CurrentPrintQueue();
// Installs a queue (not owned); nullptr returns to the system's.
void SetPrintQueue(PrintQueue* queue);

}  // namespace forms
