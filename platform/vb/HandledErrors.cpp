#include "platform/vb/HandledErrors.h"

#include <iostream>

namespace vb {
namespace {

HandledErrorSink& Sink() {
    static HandledErrorSink sink;
    return sink;
}

}  // namespace

void SetHandledErrorSink(HandledErrorSink sink) {
    Sink() = std::move(sink);
}

void ReportHandled(const std::string& label, Long number, const std::string& description) {
    ErrObject error{number, description.empty() ? ErrorText(number) : description, ProjectName()};
    if (Sink())
        Sink()(label, error);
    else
        std::cerr << label << ": " << error.Description << " (error " << number << ")\n";
}

}  // namespace vb
