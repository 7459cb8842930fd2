#pragma once

#include <string>

#include "platform/vb/Error.h"
#include "platform/vb/Types.h"

namespace zomel {

// The loading of one data file: each error report on the way (ReportError) is logged as
// ever, and their boxes make one, shown by Show(): the first error's box, then the file, its
// first bad row and how many rows failed.  A damaged file of hundreds of rows so asks for one
// answer, not hundreds.
class FileLoadReport {
public:
    explicit FileLoadReport(std::string path);
    ~FileLoadReport();
    FileLoadReport(const FileLoadReport&) = delete;
    FileLoadReport& operator=(const FileLoadReport&) = delete;

    // The row read from here on (1 for the first line).
    void Row(vb::Long line) { line_ = line; }
    // Shows the box, when anything was reported (with the other error boxes, in Diagnostics).
    void Show();

    // The report open now, if any: ReportError gives it its errors.
    static FileLoadReport* Open();
    void Add(const std::string& box);

private:
    std::string path_;
    vb::Long line_ = 0;
    std::string first_;  // the first error's box text
    vb::Long firstLine_ = 0;
    vb::Long lastLine_ = 0;
    vb::Long badRows_ = 0;
    FileLoadReport* outer_;
};

}  // namespace zomel
