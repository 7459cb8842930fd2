#include "platform/com/Dispatch.h"

#include <algorithm>

#include "platform/vb/Error.h"

namespace com {

bool NameEquals(std::string_view a, std::string_view b) {
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return fold(x) == fold(y); });
}

void RaiseWrongArguments() {
    vb::Raise(WrongArguments, "Wrong number of arguments or invalid property assignment");
}

Dispatch& ToDispatch(const vb::Variant& value) {
    vb::ObjectRef object = value.ToObject();
    if (!object) vb::Raise(vb::err::ObjectNotSet);
    auto* dispatch = dynamic_cast<Dispatch*>(object.get());
    if (!dispatch) vb::Raise(vb::err::NotSupported);
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
