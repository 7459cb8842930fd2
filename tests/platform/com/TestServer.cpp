// A small in-process server for the tests: a counter with a property, a method that takes
// its arguments by reference, and an event; and a class whose factory always fails.
#include "tests/platform/com/TestServer.h"

#include <stdexcept>

#include "platform/com/Events.h"
#include "platform/com/InprocServer.h"
#include "platform/com/Members.h"

namespace {

class Counter : public com::TableDispatch<Counter>, public com::EventSource {
public:
    static const com::MemberTable<Counter>& Members() {
        using enum com::InvokeKind;
        static const com::MemberTable<Counter> table{
            {"Value", 1, PropertyGet, com::Getter(&Counter::Value)},
            {"Value", 1, PropertyPut, com::Setter(&Counter::SetValue)},
            {"Step", 2, Method, com::Caller(&Counter::Step)},
            {"Swap", 3, Method, com::Caller(&Counter::Swap)},
        };
        return table;
    }

private:
    vb::Long Value() const { return value_; }
    void SetValue(vb::Long value) { value_ = value; }

    // Adds `by` and raises Changed(value, cancel); a sink that sets cancel undoes the step.
    bool Step(vb::Long by) {
        com::Args args{vb::Variant(value_ + by), vb::Variant(false)};
        RaiseEvent("Changed", args);
        if (args[1].ToBool()) return false;
        value_ = args[0].ToLong();
        return true;
    }

    void Swap(vb::Variant& a, vb::Variant& b) { std::swap(a, b); }

    vb::Long value_ = 0;
};

std::vector<com::ServerClass> Classes() {
    return {
        {comtest::kCounterClsid, comtest::kCounterProgId,
         [] { return std::make_shared<Counter>(); }},
        {comtest::kBrokenClsid, comtest::kBrokenProgId,
         []() -> com::DispatchRef { throw std::runtime_error("cannot make one"); }},
    };
}

}  // namespace

ZRT_COM_SERVER(Classes)
