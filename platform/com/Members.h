#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/com/Dispatch.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VariantCast.h"

// Tables that declare a class's late-bound members, in the order of its interface:
//
//     static const com::MemberTable<Counter>& Members() {
//         using enum com::InvokeKind;
//         static const com::MemberTable<Counter> table{
//             {"Value", 1, PropertyGet, com::Getter(&Counter::Value)},
//             {"Value", 1, PropertyPut, com::Setter(&Counter::SetValue)},
//             {"Swap", 2, Method, com::Caller(&Counter::Swap)},
//         };
//         return table;
//     }
namespace com {

template <class T>
struct Member {
    using Handler = std::function<vb::Variant(T&, Args&)>;

    std::string name;
    DispId id = 0;
    InvokeKind kind = InvokeKind::Method;
    Handler handler;
};

template <class T>
class MemberTable {
public:
    MemberTable(std::initializer_list<Member<T>> members) : members_(members) {}

    DispId IdOfName(std::string_view name) const {
        for (const auto& member : members_)
            if (vb::TextEquals(member.name, name)) return member.id;
        vb::Raise(vb::err::kNotSupported);
    }

    vb::Variant Invoke(T& self, DispId id, InvokeKind kind, Args& args) const {
        const Member<T>* member = Find(id, kind);
        if (!member) vb::Raise(vb::err::kNotSupported);
        return member->handler(self, args);
    }

    const std::vector<Member<T>>& Members() const { return members_; }

private:
    // A late-bound read may name a method and a call may name a readable property.
    static bool Reads(InvokeKind kind) {
        return kind == InvokeKind::Method || kind == InvokeKind::PropertyGet;
    }

    const Member<T>* Find(DispId id, InvokeKind kind) const {
        const Member<T>* alternative = nullptr;
        for (const auto& member : members_) {
            if (member.id != id) continue;
            if (member.kind == kind) return &member;
            if (Reads(member.kind) && Reads(kind)) alternative = &member;
        }
        return alternative;
    }

    std::vector<Member<T>> members_;
};

// A Dispatch whose members are those of `T::Members()`, a static MemberTable<T>.
template <class T>
class TableDispatch : public Dispatch {
public:
    DispId IdOfName(std::string_view name) const override { return T::Members().IdOfName(name); }
    vb::Variant Invoke(DispId id, InvokeKind kind, Args& args) override {
        return T::Members().Invoke(static_cast<T&>(*this), id, kind, args);
    }
};

using vb::FromVariant;
using vb::ToVariant;

// Handlers made from member functions.  A getter takes no argument; a setter takes the new
// value.  A method's `vb::Variant&` parameters are the caller's own Variants (by reference);
// parameters of other types receive converted copies.  Wrong argument counts raise 450.
template <class T, class R>
typename Member<T>::Handler Getter(R (T::*get)() const) {
    return [get](T& self, Args& args) {
        if (!args.empty()) RaiseWrongArguments();
        return ToVariant((self.*get)());
    };
}

template <class T, class P>
typename Member<T>::Handler Setter(void (T::*set)(P)) {
    return [set](T& self, Args& args) {
        if (args.size() != 1) RaiseWrongArguments();
        (self.*set)(FromVariant<std::remove_cvref_t<P>>(args[0]));
        return vb::Variant();
    };
}

template <class P>
decltype(auto) Argument(vb::Variant& arg) {
    if constexpr (std::is_same_v<P, vb::Variant&>)
        return (arg);
    else
        return FromVariant<std::remove_cvref_t<P>>(arg);
}

template <class T, class R, class... P>
typename Member<T>::Handler Caller(R (T::*call)(P...)) {
    return [call](T& self, Args& args) {
        if (args.size() != sizeof...(P)) RaiseWrongArguments();
        return [&]<std::size_t... I>(std::index_sequence<I...>) {
            if constexpr (std::is_void_v<R>) {
                (self.*call)(Argument<P>(args[I])...);
                return vb::Variant();
            } else {
                return ToVariant((self.*call)(Argument<P>(args[I])...));
            }
        }
        (std::index_sequence_for<P...>{});
    };
}

}  // namespace com
