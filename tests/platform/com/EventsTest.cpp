#include "platform/com/Events.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/com/Members.h"
#include "platform/vb/Error.h"
#include "tests/support/ErrorNumber.h"

namespace {

class Source : public com::TableDispatch<Source>, public com::EventSource {
public:
    static const com::MemberTable<Source>& Members() {
        static const com::MemberTable<Source> table{};
        return table;
    }
};

class Silent : public com::TableDispatch<Silent> {
public:
    static const com::MemberTable<Silent>& Members() {
        static const com::MemberTable<Silent> table{};
        return table;
    }
};

TEST(Events, SinksRunInOrderAndMayChangeArguments) {
    Source source;
    std::vector<std::string> seen;
    com::Advise(source, [&](std::string_view event, com::Args& args) {
        seen.push_back("first " + std::string(event));
        args[0] = vb::Variant(vb::Integer(args[0].ToInteger() + 1));
    });
    com::Advise(source, [&](std::string_view event, com::Args& args) {
        seen.push_back("second " + std::string(event) + " " + args[0].ToString());
    });
    com::Args args{vb::Variant(vb::Integer(65))};
    source.RaiseEvent("KeyPress", args);
    EXPECT_EQ(seen, (std::vector<std::string>{"first KeyPress", "second KeyPress 66"}));
    EXPECT_EQ(args[0], vb::Variant(vb::Integer(66)));
}

TEST(Events, UnadviseStopsASinkEvenFromInsideAnEvent) {
    Source source;
    int calls = 0;
    com::EventSource::Cookie cookie = 0;
    cookie = com::Advise(source, [&](std::string_view, com::Args&) {
        ++calls;
        com::Unadvise(source, cookie);
    });
    source.RaiseEvent("Click");
    source.RaiseEvent("Click");
    EXPECT_EQ(calls, 1);
}

TEST(Events, ObjectsWithoutEventsRefuseSinks) {
    Silent silent;
    EXPECT_EQ(ErrorNumber([&] { com::Advise(silent, [](std::string_view, com::Args&) {}); }),
              vb::err::kNotSupported);
}

}  // namespace
