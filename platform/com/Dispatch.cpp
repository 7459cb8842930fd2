#include "platform/com/Dispatch.h"

#include "platform/vb/Error.h"

namespace com {

void RaiseWrongArguments() {
    vb::Raise(vb::err::kWrongArguments, "Wrong number of arguments or invalid property assignment");
}

Dispatch& ToDispatch(const vb::Variant& value) {
    vb::ObjectRef object = value.ToObject();
    if (!object) vb::Raise(vb::err::kObjectNotSet);
    auto* dispatch = dynamic_cast<Dispatch*>(object.get());
    if (!dispatch) vb::Raise(vb::err::kNotSupported);
    return *dispatch;
}

vb::Variant Get(Dispatch& object, std::string_view name) {
    Args none;
    return object.Invoke(object.IdOfName(name), InvokeKind::PropertyGet, none);
}

void Put(Dispatch& object, std::string_view name, vb::Variant value) {
    Args args{std::move(value)};
    object.Invoke(object.IdOfName(name), InvokeKind::PropertyPut, args);
}

void PutRef(Dispatch& object, std::string_view name, vb::Variant value) {
    Args args{std::move(value)};
    object.Invoke(object.IdOfName(name), InvokeKind::PropertyPutRef, args);
}

vb::Variant Call(Dispatch& object, std::string_view name, Args& args) {
    return object.Invoke(object.IdOfName(name), InvokeKind::Method, args);
}

}  // namespace com
