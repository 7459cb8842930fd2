#include "platform/com/Creation.h"

#include "platform/com/ClassFactory.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ServerLibrary.h"
#include "platform/vb/Error.h"

namespace com {
namespace {

DispatchRef Create(const Clsid& clsid) {
    auto library = LibraryOf(clsid);
    if (!library) return nullptr;
    auto getClassObject =
        ServerLibrary::Load(*library).Entry<GetClassObjectFn>("DllGetClassObject");
    ClassFactory* factory = nullptr;
    if (getClassObject(&clsid, &factory) != status::Ok || !factory) return nullptr;
    return factory->CreateInstance();
}

}  // namespace

DispatchRef CreateInstance(const Clsid& clsid) {
    DispatchRef object;
    try {
        object = Create(clsid);
    } catch (const std::exception&) {
        object = nullptr;
    }
    if (!object) vb::Raise(vb::err::CannotCreateObject);
    return object;
}

DispatchRef CreateObject(std::string_view progIdOrClsid) {
    auto clsid =
        progIdOrClsid.starts_with('{') ? Clsid::Parse(progIdOrClsid) : ClsidOf(progIdOrClsid);
    if (!clsid) vb::Raise(vb::err::CannotCreateObject);
    return CreateInstance(*clsid);
}

}  // namespace com
