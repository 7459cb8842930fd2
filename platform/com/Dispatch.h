#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "platform/vb/Types.h"
#include "platform/vb/Variant.h"

// Late binding: objects reached by member name at run time, with arguments as Variants.
namespace com {

using DispId = vb::Long;

// How a member is invoked.  A property put passes the new value as the last argument.
enum class InvokeKind { Method, PropertyGet, PropertyPut, PropertyPutRef };

// Arguments in call order.  A member that takes an argument by reference writes the new value
// into the caller's Variant.
using Args = std::vector<vb::Variant>;

// Raises vb::err::kWrongArguments.
void RaiseWrongArguments();

// An object reachable by member name.
class Dispatch : public vb::Object {
public:
    // The dispatch id of a member; names compare without case.  Unknown names raise 438.
    virtual DispId IdOfName(std::string_view name) const = 0;
    // Unknown ids, or a kind the member does not support, raise 438.
    virtual vb::Variant Invoke(DispId id, InvokeKind kind, Args& args) = 0;
};

using DispatchRef = std::shared_ptr<Dispatch>;

// The dispatch object a Variant holds: 424 when it holds no object, 91 when Nothing, 438 when
// the object cannot be reached by name.
Dispatch& ToDispatch(const vb::Variant& value);

// Callers by name.  Arguments passed as a named vector receive by-reference write-backs.
vb::Variant Get(Dispatch& object, std::string_view name);
void Put(Dispatch& object, std::string_view name, vb::Variant value);
void PutRef(Dispatch& object, std::string_view name, vb::Variant value);
vb::Variant Call(Dispatch& object, std::string_view name, Args& args);
inline vb::Variant Call(Dispatch& object, std::string_view name, Args&& args = {}) {
    return Call(object, name, args);
}

}  // namespace com
