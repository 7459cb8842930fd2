#include "platform/com/Creation.h"

#include <optional>
#include <string>
#include <vector>

#include "platform/com/ClassFactory.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/Components.h"
#include "platform/com/ServerLibrary.h"
#include "platform/vb/Error.h"

namespace com {
namespace {

DispatchRef CreateFrom(const std::string& library, const Clsid& clsid) {
    auto getClassObject = ServerLibrary::Load(library).Entry<GetClassObjectFn>("DllGetClassObject");
    ClassFactory* factory = nullptr;
    if (getClassObject(&clsid, &factory) != status::kOk || !factory)
        vb::Raise(vb::err::kCannotCreateObject, library + " does not serve the class");
    DispatchRef object = factory->CreateInstance();
    if (!object) vb::Raise(vb::err::kCannotCreateObject, library + " made no object");
    return object;
}

// What each place that might serve the class said, for the message when none did.
class Attempts {
public:
    explicit Attempts(std::string_view name) : name_(name) {}

    DispatchRef Try(const std::string& where, const std::optional<std::string>& library,
                    const Clsid& clsid) {
        if (!library) {
            NotNamedBy(where);
            return nullptr;
        }
        try {
            return CreateFrom(*library, clsid);
        } catch (const std::exception& error) {
            failures_.push_back(where + " names " + *library + ", which cannot be used (" +
                                error.what() + ")");
            tried_ = *library;
            return nullptr;
        }
    }

    void NotNamedBy(const std::string& where) { failures_.push_back(where + " does not name it"); }

    [[noreturn]] void Fail() const {
        std::string text = "The component " + name_ + " cannot be created: ";
        for (std::size_t i = 0; i < failures_.size(); ++i)
            text += (i ? "; " : "") + failures_[i];
        text += ". Reinstall the program so that its folder holds the component again";
        text += tried_.empty()
                    ? ", or register the component's library with regsvr."
                    : ", or register a working copy of the library with: regsvr " + tried_ + ".";
        vb::Raise(vb::err::kCannotCreateObject, text);
    }

private:
    std::string name_;
    std::vector<std::string> failures_;
    std::string tried_;
};

std::string RegistryPlace() {
    std::string place = "the class registry " + ClassRegistryPath();
    if (auto problem = ClassRegistryProblem()) place += " (unreadable: " + *problem + ")";
    return place;
}

DispatchRef CreateNamed(const Clsid& clsid, std::string_view name) {
    Attempts attempts(name);
    if (auto object = attempts.Try("the program's " + ComponentsManifestPath(),
                                   ShippedLibraryOf(clsid), clsid))
        return object;
    if (auto object = attempts.Try(RegistryPlace(), LibraryOf(clsid), clsid)) return object;
    attempts.Fail();
}

}  // namespace

DispatchRef CreateInstance(const Clsid& clsid) {
    return CreateNamed(clsid, clsid.ToString());
}

DispatchRef CreateObject(std::string_view progIdOrClsid) {
    std::optional<Clsid> clsid;
    if (progIdOrClsid.starts_with('{'))
        clsid = Clsid::Parse(progIdOrClsid);
    else if (!(clsid = ShippedClsidOf(progIdOrClsid)))
        clsid = ClsidOf(progIdOrClsid);
    if (!clsid) {
        Attempts attempts(progIdOrClsid);
        attempts.NotNamedBy("the program's " + ComponentsManifestPath());
        attempts.NotNamedBy(RegistryPlace());
        attempts.Fail();
    }
    return CreateNamed(*clsid, progIdOrClsid);
}

}  // namespace com
