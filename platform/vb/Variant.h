#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "platform/vb/Types.h"

namespace vb {

enum class VarType {
    Empty = 0,
    Null = 1,
    Integer = 2,
    Long = 3,
    Single = 4,
    Double = 5,
    String = 8,
    Object = 9,
    Error = 10,
    Boolean = 11,
};

// A value of any of the language's types.  Conversions follow the language: Empty is 0 or
// "", a Boolean True is -1, text converts to a number only when it is numeric (else error 13).
class Variant {
public:
    Variant() = default;
    Variant(bool value) : value_(BooleanValue{value}) {}
    Variant(Integer value) : value_(value) {}
    Variant(Long value) : value_(value) {}
    Variant(Single value) : value_(value) {}
    Variant(double value) : value_(value) {}
    Variant(std::string value) : value_(std::move(value)) {}
    Variant(std::string_view value) : value_(std::string(value)) {}
    Variant(const char* value) : value_(std::string(value)) {}
    Variant(ObjectRef value) : value_(std::move(value)) {}

    static Variant Null() { return Variant(NullValue{}); }
    static Variant Error(Long code) { return Variant(ErrorValue{code}); }

    VarType Type() const;
    bool IsEmpty() const { return std::holds_alternative<std::monostate>(value_); }
    bool IsNull() const { return std::holds_alternative<NullValue>(value_); }
    bool IsObject() const { return std::holds_alternative<ObjectRef>(value_); }
    bool IsString() const { return std::holds_alternative<std::string>(value_); }
    // True for numbers, Booleans, Empty and text that reads wholly as a number.
    bool IsNumeric() const;

    // Conversions with the language's rules; a value that does not convert raises error 13,
    // one out of range raises error 6.
    double ToDouble() const;
    Single ToSingle() const;
    Long ToLong() const;
    Integer ToInteger() const;
    bool ToBool() const;
    std::string ToString() const;
    ObjectRef ToObject() const;

    // The text when it holds one, without conversion; empty otherwise.
    const std::string& StringRef() const;

    template <class T>
    std::shared_ptr<T> As() const {
        return std::dynamic_pointer_cast<T>(ToObject());
    }

    // Same type and same value (objects: same reference).
    friend bool operator==(const Variant& a, const Variant& b) { return a.value_ == b.value_; }

private:
    struct NullValue {
        bool operator==(const NullValue&) const = default;
    };
    struct ErrorValue {
        Long code;
        bool operator==(const ErrorValue&) const = default;
    };
    struct BooleanValue {
        bool value;
        bool operator==(const BooleanValue&) const = default;
    };
    explicit Variant(NullValue v) : value_(v) {}
    explicit Variant(ErrorValue v) : value_(v) {}

    std::variant<std::monostate, NullValue, Integer, Long, Single, double, std::string, ObjectRef,
                 ErrorValue, BooleanValue>
        value_;
};

}  // namespace vb
