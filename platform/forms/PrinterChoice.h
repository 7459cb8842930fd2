#pragma once

#include <string>

namespace forms {

// What the printer dialog shows and gives back: a print queue, or a PDF file where the person
// prints to a file (or the computer has no queue).
struct PrinterChoice {
    std::string queue;  // "" prints to `file`
    std::string file;
    int copies = 1;

    bool operator==(const PrinterChoice&) const = default;
};

}  // namespace forms
