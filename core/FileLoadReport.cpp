#include "core/FileLoadReport.h"

namespace zomel {
namespace {

FileLoadReport* gOpen = nullptr;

}  // namespace

FileLoadReport::FileLoadReport(std::string path) : path_(std::move(path)), outer_(gOpen) {
    gOpen = this;
}

FileLoadReport::~FileLoadReport() {
    gOpen = outer_;
}

FileLoadReport* FileLoadReport::Open() {
    return gOpen;
}

void FileLoadReport::Add(const std::string& box) {
    if (first_.empty()) {
        first_ = box;
        firstLine_ = line_;
    }
    // A row whose members fail one after another is one bad row.
    if (badRows_ == 0 || line_ != lastLine_) ++badRows_;
    lastLine_ = line_;
}

}  // namespace zomel
