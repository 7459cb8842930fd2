#include "core/Diagnostics.h"

#include <ctime>

#include "core/Catalogue.h"
#include "core/FileLoadReport.h"
#include "core/Globals.h"
#include "core/LogChannel.h"
#include "core/PriceLoad.h"
#include "core/StringText.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Error.h"

namespace zomel {
namespace {

const char* const kErrorBoxTitle = "VELDO ZOMELBuilder";
constexpr vb::Long kCannotStartId = 47000;
constexpr vb::Long kReinstallId = 47001;

// The line for the current error, as the reporters write it.
std::string ErrorLine(const std::string& label, const vb::ErrObject& error) {
    return LogTimestamp() + " - Function [" + label + "] had error number [" +
           std::to_string(error.Number) + "], " + error.Description + " source [" + error.Source +
           "]";
}

// The error box's text for the current error, reported under `label`.
std::string ErrorBoxText(const std::string& label, const vb::ErrObject& error) {
    return "An unexpected error has occurred in " + label + "\r#, " + std::to_string(error.Number) +
           ", " + error.Description + "\r" + error.Source;
}

}  // namespace

void ReportError(const std::string& label) {
    vb::ErrObject error = vb::Err();
    vb::ResumeNext([&] { WriteLogLine(ErrorLine(label, error)); });
    if (FileLoadReport* file = FileLoadReport::Open())
        file->Add(ErrorBoxText(label, error));
    else
        forms::MsgBox(ErrorBoxText(label, error), forms::vbInformation, kErrorBoxTitle);
    vb::Err().Clear();
}

void FileLoadReport::Show() {
    if (first_.empty()) return;
    std::string text = first_;
    // An error before the first row (the file missing) names the file itself.
    if (firstLine_ > 0)
        text += "\r\r" + path_ + ": line " + std::to_string(firstLine_) +
                " is the first bad row; " + std::to_string(badRows_) +
                (badRows_ == 1 ? " row was" : " rows were") +
                " left out or not read whole. The log has each row's error.";
    first_.clear();
    badRows_ = 0;
    forms::MsgBox(text, forms::vbInformation, kErrorBoxTitle);
}

void LogError(const std::string& label) {
    vb::ErrObject error = vb::Err();
    vb::ResumeNext([&] { WriteLogLine(ErrorLine(label, error)); });
    vb::Err().Clear();
}

void LogHandledError(const std::string& label, const vb::ErrObject& error) {
    vb::ErrObject pending = vb::Err();
    vb::ResumeNext([&] { WriteLogLine(ErrorLine(label, error)); });
    vb::Err() = pending;
}

void ReportCannotStart(const vb::ErrObject& failure) {
    std::string text =
        Text(kCannotStartId, "VELDO ZOMELBuilder cannot start: its main window cannot be shown.");
    if (!failure.Description.empty()) text += "\r\r" + failure.Description;
    // A component that cannot be created says how to mend it itself.
    if (failure.Number != vb::err::kCannotCreateObject)
        text += "\r\r" + Text(kReinstallId, "Reinstall VELDO ZOMELBuilder to restore its files.");
    forms::MsgBox(text, forms::vbCritical, kErrorBoxTitle);
}

void LogPriceLoadError() {
    vb::ErrObject pending = vb::Err();
    // A missing record leaves the line partial or missing; the log writer never raises.
    vb::ResumeNext([] {
        bool baseRow = gPriceLoad.RowIndex.ToLong() < gBaseCount + 1;
        vb::Long number = baseRow ? gPriceLoad.RowIndex.ToLong() : gPriceLoad.OptionIndex.ToLong();
        const OptionRecord& record = baseRow ? gBaseParts(number) : gOptions(number);
        WriteLogLine(LogTimestamp() + " - Function [Load Prices] error with " +
                     (baseRow ? "base(" : "option(") + std::to_string(number) + ") name=" +
                     record.Name + " part#=" + record.PartNo + " price=" + record.Price +
                     " cost=" + vb::CStr(record.Cost) + " info=" + record.Info +
                     " type=" + record.Type + " set=" + std::to_string(record.Package));
    });
    vb::Err() = pending;
}

void TraceForm(const std::string& label, vb::Long captionId, bool entering) {
    if (DebugLevel < 2) return;
    // A damaged string table must not stop a window loading or the program ending: the
    // missing caption is logged (the error names its id) and the trace goes on without it.
    std::string caption;
    vb::ErrObject pending = vb::Err();
    if (!vb::ResumeNext([&] { caption = forms::LoadResString(captionId); }))
        WriteLogLine(ErrorLine("Trace form " + label, vb::Err()));
    vb::Err() = pending;
    WriteLogLine(LogTimestamp() + (entering ? " Enter form -> " : " Exit form -> ") + label +
                 " translated as '" + caption + "'");
}

void LogLine(const std::string& text) {
    if (DebugLevel > 2) WriteLogLine(LogTimestamp() + " Log -> " + text);
}

void DebugTrace(const std::string& functionName, vb::Long number, const std::string& text,
                const std::string& source) {
    if (DebugLevel <= 3) return;
    vb::ErrObject pending = vb::Err();
    vb::ResumeNext([&] {
        WriteLogLine(LogTimestamp() + " - Function [" + functionName + "] debug number [" +
                     std::to_string(number) + "], [" + text + "] source [" + source + "]");
    });
    vb::Err() = pending;
}

void ShowFormNumber(vb::Long captionId, const std::string& label) {
    std::string caption = forms::LoadResString(captionId);
    WriteLogLine(LogTimestamp() + " - F12 from this form " + label + " has number [" +
                 std::to_string(captionId) + "] and normal caption - " + caption);
    forms::MsgBox(caption + " #" + std::to_string(captionId), forms::vbInformation,
                  forms::App().Title);
}

}  // namespace zomel
