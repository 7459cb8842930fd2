#pragma once

#include <memory>
#include <string>
#include <type_traits>
#include <utility>

#include "platform/vb/Error.h"
#include "platform/vb/Variant.h"

// Conversions between Variants and the typed values of properties, parameters and results.
namespace vb {

template <class V>
inline constexpr bool kIsSharedPtr = false;
template <class V>
inline constexpr bool kIsSharedPtr<std::shared_ptr<V>> = true;

// The value as type V; an object of another class raises error 13.
template <class V>
V FromVariant(const Variant& value) {
    if constexpr (std::is_same_v<V, Variant>) {
        return value;
    } else if constexpr (std::is_same_v<V, bool>) {
        return value.ToBool();
    } else if constexpr (std::is_same_v<V, Integer>) {
        return value.ToInteger();
    } else if constexpr (std::is_same_v<V, Long>) {
        return value.ToLong();
    } else if constexpr (std::is_same_v<V, Single>) {
        return value.ToSingle();
    } else if constexpr (std::is_same_v<V, double>) {
        return value.ToDouble();
    } else if constexpr (std::is_same_v<V, std::string>) {
        return value.ToString();
    } else {
        static_assert(kIsSharedPtr<V>, "no conversion from Variant");
        ObjectRef object = value.ToObject();
        auto typed = std::dynamic_pointer_cast<typename V::element_type>(object);
        if (object && !typed) Raise(err::kTypeMismatch);
        return typed;
    }
}

template <class R>
Variant ToVariant(R&& value) {
    if constexpr (kIsSharedPtr<std::remove_cvref_t<R>>)
        return Variant(ObjectRef(std::forward<R>(value)));
    else
        return Variant(std::forward<R>(value));
}

}  // namespace vb
