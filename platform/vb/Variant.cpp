#include "platform/vb/Variant.h"

#include <cmath>

#include "platform/vb/Conversion.h"
#include "platform/vb/Error.h"

namespace vb {
namespace {

template <class... F>
struct Overload : F... {
    using F::operator()...;
};
// Compilers without deduction for aggregates (clang 14) need the guide.
template <class... F>
Overload(F...) -> Overload<F...>;

}  // namespace

VarType Variant::Type() const {
    static constexpr VarType types[] = {
        VarType::Empty,  VarType::Null,   VarType::Integer, VarType::Long,  VarType::Single,
        VarType::Double, VarType::String, VarType::Object,  VarType::Error, VarType::Boolean};
    return types[value_.index()];
}

bool Variant::IsNumeric() const {
    if (IsObject() || IsNull() || std::holds_alternative<ErrorValue>(value_)) return false;
    if (!IsString()) return true;
    double ignored = 0;
    return ParseNumber(std::get<std::string>(value_), ignored);
}

double Variant::ToDouble() const {
    return std::visit(Overload{
                          [](std::monostate) { return 0.0; },
                          [](NullValue) -> double { Raise(err::kInvalidUseOfNull); },
                          [](Integer v) { return static_cast<double>(v); },
                          [](Long v) { return static_cast<double>(v); },
                          [](Single v) { return static_cast<double>(v); },
                          [](double v) { return v; },
                          [](const std::string& v) {
                              double out = 0;
                              if (!ParseNumber(v, out)) Raise(err::kTypeMismatch);
                              return out;
                          },
                          [](const ObjectRef&) -> double { Raise(err::kTypeMismatch); },
                          [](ErrorValue) -> double { Raise(err::kTypeMismatch); },
                          [](BooleanValue v) { return v.value ? -1.0 : 0.0; },
                      },
                      value_);
}

Single Variant::ToSingle() const {
    double value = ToDouble();
    if (std::isfinite(value) && std::fabs(value) > 3.402823466e38) Raise(err::kOverflow);
    return static_cast<Single>(value);
}

Long Variant::ToLong() const {
    if (auto* v = std::get_if<Long>(&value_)) return *v;
    if (auto* v = std::get_if<Integer>(&value_)) return *v;
    return CLng(ToDouble());
}

Integer Variant::ToInteger() const {
    if (auto* v = std::get_if<Integer>(&value_)) return *v;
    return CInt(ToDouble());
}

bool Variant::ToBool() const {
    if (auto* v = std::get_if<BooleanValue>(&value_)) return v->value;
    if (auto* v = std::get_if<std::string>(&value_)) {
        if (v->size() == 4 && (*v == "True" || *v == "TRUE" || *v == "true")) return true;
        if (v->size() == 5 && (*v == "False" || *v == "FALSE" || *v == "false")) return false;
    }
    return ToDouble() != 0;
}

std::string Variant::ToString() const {
    return std::visit(Overload{
                          [](std::monostate) { return std::string(); },
                          [](NullValue) -> std::string { Raise(err::kInvalidUseOfNull); },
                          [](Integer v) { return std::to_string(v); },
                          [](Long v) { return std::to_string(v); },
                          [](Single v) { return CStr(v); },
                          [](double v) { return CStr(v); },
                          [](const std::string& v) { return v; },
                          [](const ObjectRef&) -> std::string { Raise(err::kTypeMismatch); },
                          [](ErrorValue v) { return "Error " + std::to_string(v.code); },
                          [](BooleanValue v) { return std::string(v.value ? "True" : "False"); },
                      },
                      value_);
}

ObjectRef Variant::ToObject() const {
    if (auto* v = std::get_if<ObjectRef>(&value_)) return *v;
    Raise(err::kObjectRequired);
}

const std::string& Variant::StringRef() const {
    static const std::string empty;
    auto* v = std::get_if<std::string>(&value_);
    return v ? *v : empty;
}

}  // namespace vb
