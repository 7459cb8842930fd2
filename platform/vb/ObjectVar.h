#pragma once

#include "platform/vb/Error.h"

namespace vb {

// An object variable that may be Nothing: using it then raises error 91 ("Object variable or
// With block variable not set") to the nearest handler, as the language does, instead of
// reaching through a null pointer.  It does not own the object.
template <class T>
class ObjectVar {
public:
    ObjectVar() = default;
    ObjectVar(T* object) : object_(object) {}   // NOLINT: Set x = object
    ObjectVar(T& object) : object_(&object) {}  // NOLINT: Set x = object

    T& operator*() const {
        if (object_ == nullptr) Raise(err::kObjectNotSet);
        return *object_;
    }
    T* operator->() const { return &**this; }
    bool IsNothing() const { return object_ == nullptr; }
    // The object, or nullptr for Nothing: for callers that test it or pass it on.
    operator T*() const { return object_; }  // NOLINT: `if (x)`, `x != nullptr`

private:
    T* object_ = nullptr;
};

}  // namespace vb
