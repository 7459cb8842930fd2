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
        {5, "Invalid procedure call or argument"},
        {6, "Overflow"},
        {7, "Out of memory"},
        {9, "Subscript out of range"},
        {11, "Division by zero"},
        {13, "Type mismatch"},
        {52, "Bad file name or number"},
        {53, "File not found"},
        {54, "Bad file mode"},
        {55, "File already open"},
        {57, "Device I/O error"},
        {58, "File already exists"},
        {61, "Disk full"},
        {62, "Input past end of file"},
        {70, "Permission denied"},
        {75, "Path/File access error"},
        {76, "Path not found"},
        {91, "Object variable or With block variable not set"},
        {94, "Invalid use of Null"},
        {321, "Invalid file format"},
        {340, "Control array element does not exist"},
        {360, "Object already loaded"},
        {364, "Object was unloaded"},
        {380, "Invalid property value"},
        {424, "Object required"},
        {48, "Error in loading DLL"},
        {450, "Wrong number of arguments or invalid property assignment"},
        {453, "Can't find DLL entry point"},
        {429, "ActiveX component can't create object"},
        {438, "Object doesn't support this property or method"},
        {457, "This key is already associated with an element of this collection"},
        {481, "Invalid picture"},
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
