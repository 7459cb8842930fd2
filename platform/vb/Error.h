#pragma once

#include <exception>
#include <functional>
#include <string>
#include <utility>

#include "platform/vb/Types.h"

namespace vb {

// Error numbers the runtime raises.
namespace err {
inline constexpr Long InvalidCall = 5;
inline constexpr Long Overflow = 6;
inline constexpr Long OutOfMemory = 7;
inline constexpr Long SubscriptOutOfRange = 9;
inline constexpr Long DivisionByZero = 11;
inline constexpr Long TypeMismatch = 13;
inline constexpr Long BadFileNameOrNumber = 52;
inline constexpr Long FileNotFound = 53;
inline constexpr Long BadFileMode = 54;
inline constexpr Long InputPastEnd = 62;
inline constexpr Long PermissionDenied = 70;
inline constexpr Long PathFileAccess = 75;
inline constexpr Long PathNotFound = 76;
inline constexpr Long InvalidFileFormat = 321;
inline constexpr Long ObjectNotSet = 91;
inline constexpr Long ControlArrayElementMissing = 340;
inline constexpr Long InvalidPropertyValue = 380;
inline constexpr Long ObjectRequired = 424;
inline constexpr Long CannotCreateObject = 429;
inline constexpr Long InvalidPicture = 481;
inline constexpr Long NotSupported = 438;
inline constexpr Long DuplicateKey = 457;
inline constexpr Long FileAlreadyExists = 58;
inline constexpr Long InvalidUseOfNull = 94;
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
