#pragma once

#include <exception>
#include <functional>
#include <string>
#include <utility>

#include "platform/vb/Types.h"

namespace vb {

// Error numbers the runtime raises; those from 35600 on are the common controls' own.
namespace err {
inline constexpr Long kInvalidCall = 5;
inline constexpr Long kOverflow = 6;
inline constexpr Long kOutOfMemory = 7;
inline constexpr Long kSubscriptOutOfRange = 9;
inline constexpr Long kDivisionByZero = 11;
inline constexpr Long kTypeMismatch = 13;
inline constexpr Long kLibraryLoadFailed = 48;
inline constexpr Long kBadFileNameOrNumber = 52;
inline constexpr Long kFileNotFound = 53;
inline constexpr Long kBadFileMode = 54;
inline constexpr Long kFileAlreadyExists = 58;
inline constexpr Long kDiskFull = 61;
inline constexpr Long kInputPastEnd = 62;
inline constexpr Long kPermissionDenied = 70;
inline constexpr Long kPathFileAccess = 75;
inline constexpr Long kPathNotFound = 76;
inline constexpr Long kObjectNotSet = 91;
inline constexpr Long kInvalidUseOfNull = 94;
inline constexpr Long kInvalidFileFormat = 321;
inline constexpr Long kResourceNotFound = 326;
inline constexpr Long kControlArrayElementMissing = 340;
inline constexpr Long kObjectAlreadyLoaded = 360;
inline constexpr Long kInvalidPropertyValue = 380;
inline constexpr Long kPropertyReadOnly = 383;
inline constexpr Long kObjectRequired = 424;
inline constexpr Long kCannotCreateObject = 429;
inline constexpr Long kClassNotAutomatable = 430;
inline constexpr Long kNotSupported = 438;
inline constexpr Long kWrongArguments = 450;
inline constexpr Long kEntryPointNotFound = 453;
inline constexpr Long kDuplicateKey = 457;
inline constexpr Long kInvalidPicture = 481;
// The common dialog's: the person cancelled a dialog shown with CancelError on.
inline constexpr Long kDialogCancelled = 32755;
inline constexpr Long kIndexOutOfBounds = 35600;
inline constexpr Long kElementNotFound = 35601;
inline constexpr Long kKeyNotUnique = 35602;
}  // namespace err

// The standard description of an error number ("Overflow" for 6); "Application-defined or
// object-defined error" for numbers the runtime does not know.
std::string ErrorText(Long number);

// The source named by runtime errors: the project's name.
const std::string& ProjectName();
void SetProjectName(std::string name);

// A run-time error on its way to the nearest handler.
class VbError : public std::exception {
public:
    explicit VbError(Long number, std::string description = {}, std::string source = {});

    Long Number() const { return number_; }
    const std::string& Description() const { return description_; }
    const std::string& Source() const { return source_; }
    const char* what() const noexcept override { return description_.c_str(); }

private:
    Long number_;
    std::string description_;
    std::string source_;
};

// Raises error `number`; an empty description or source takes the standard one.
[[noreturn]] void Raise(Long number, std::string description = {}, std::string source = {});

// The current error, as error handlers read it.
struct ErrObject {
    Long Number = 0;
    std::string Description;
    std::string Source;

    void Clear() { *this = ErrObject{}; }
    explicit operator bool() const { return Number != 0; }
};

ErrObject& Err();

// Makes the exception being handled the current error; call only inside a catch block.
// Runtime faults of the C++ library map to the language's numbers (bad_alloc to 7,
// out_of_range to 9, anything else to 5).
void CaptureCurrentException();

// "On Error GoTo handler ... Resume Next": each statement run through it that raises makes
// the error current and runs the handler, and the caller goes on with its next statement.
//
//     vb::OnError step([] { ReportError("Module sub main - Error Catch"); });
//     step([&] { ... });
//
// Wrapping a procedure's whole body is "report and leave".  Returns false when it failed.
class OnError {
public:
    explicit OnError(std::function<void()> handler) : handler_(std::move(handler)) {}

    template <class Statement>
    bool operator()(Statement&& statement) const {
        try {
            std::forward<Statement>(statement)();
            return true;
        } catch (...) {
            CaptureCurrentException();
            handler_();
            return false;
        }
    }

private:
    std::function<void()> handler_;
};

// "On Error Resume Next" for one statement: an error stays current, nothing more.
template <class Statement>
bool ResumeNext(Statement&& statement) {
    try {
        std::forward<Statement>(statement)();
        return true;
    } catch (...) {
        CaptureCurrentException();
        return false;
    }
}

// Runs the statement and passes over error `number` in silence (leaving no current error);
// any other error goes on to the caller's handler.
template <class Statement>
void PassOver(Long number, Statement&& statement) {
    try {
        std::forward<Statement>(statement)();
    } catch (const VbError& e) {
        if (e.Number() != number) throw;
    }
}

}  // namespace vb
