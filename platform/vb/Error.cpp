#include "platform/vb/Error.h"

#include <new>
#include <stdexcept>
#include <unordered_map>

namespace vb {
namespace {

std::string& ProjectNameStorage() {
    static std::string name = "ZomelBuilder";
    return name;
}

}  // namespace

std::string ErrorText(Long number) {
    static const std::unordered_map<Long, std::string> texts = {
        {3, "Return without GoSub"},
        {err::kInvalidCall, "Invalid procedure call or argument"},
        {err::kOverflow, "Overflow"},
        {err::kOutOfMemory, "Out of memory"},
        {err::kSubscriptOutOfRange, "Subscript out of range"},
        {err::kDivisionByZero, "Division by zero"},
        {err::kTypeMismatch, "Type mismatch"},
        {err::kBadFileNameOrNumber, "Bad file name or number"},
        {err::kFileNotFound, "File not found"},
        {err::kBadFileMode, "Bad file mode"},
        {55, "File already open"},
        {57, "Device I/O error"},
        {err::kFileAlreadyExists, "File already exists"},
        {err::kDiskFull, "Disk full"},
        {err::kInputPastEnd, "Input past end of file"},
        {err::kPermissionDenied, "Permission denied"},
        {err::kPathFileAccess, "Path/File access error"},
        {err::kPathNotFound, "Path not found"},
        {err::kObjectNotSet, "Object variable or With block variable not set"},
        {err::kInvalidUseOfNull, "Invalid use of Null"},
        {err::kInvalidFileFormat, "Invalid file format"},
        {err::kControlArrayElementMissing, "Control array element does not exist"},
        {err::kObjectAlreadyLoaded, "Object already loaded"},
        {364, "Object was unloaded"},
        {err::kInvalidPropertyValue, "Invalid property value"},
        {err::kObjectRequired, "Object required"},
        {err::kLibraryLoadFailed, "Error in loading DLL"},
        {err::kWrongArguments, "Wrong number of arguments or invalid property assignment"},
        {err::kEntryPointNotFound, "Can't find DLL entry point"},
        {err::kCannotCreateObject, "ActiveX component can't create object"},
        {err::kNotSupported, "Object doesn't support this property or method"},
        {err::kDuplicateKey, "This key is already associated with an element of this collection"},
        {err::kInvalidPicture, "Invalid picture"},
        {482, "Printer error"},
    };
    auto it = texts.find(number);
    return it != texts.end() ? it->second : "Application-defined or object-defined error";
}

const std::string& ProjectName() {
    return ProjectNameStorage();
}
void SetProjectName(std::string name) {
    ProjectNameStorage() = std::move(name);
}

VbError::VbError(Long number, std::string description, std::string source)
    : number_(number),
      description_(description.empty() ? ErrorText(number) : std::move(description)),
      source_(source.empty() ? ProjectName() : std::move(source)) {}

void Raise(Long number, std::string description, std::string source) {
    throw VbError(number, std::move(description), std::move(source));
}

ErrObject& Err() {
    static ErrObject current;
    return current;
}

void CaptureCurrentException() {
    auto set = [](Long number, std::string description, std::string source) {
        Err() = ErrObject{number, std::move(description), std::move(source)};
    };
    try {
        throw;
    } catch (const VbError& e) {
        set(e.Number(), e.Description(), e.Source());
    } catch (const std::bad_alloc&) {
        set(err::kOutOfMemory, ErrorText(err::kOutOfMemory), ProjectName());
    } catch (const std::out_of_range&) {
        set(err::kSubscriptOutOfRange, ErrorText(err::kSubscriptOutOfRange), ProjectName());
    } catch (const std::exception& e) {
        set(err::kInvalidCall, e.what(), ProjectName());
    } catch (...) {
        set(err::kInvalidCall, ErrorText(err::kInvalidCall), ProjectName());
    }
}

}  // namespace vb
