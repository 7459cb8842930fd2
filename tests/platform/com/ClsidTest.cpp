#include "platform/com/Clsid.h"

#include <gtest/gtest.h>

namespace {

TEST(Clsid, ParsesAndFormatsInCanonicalForm) {
    auto id = com::Clsid::Parse("{0a1b2c3d-4E5F-6071-8293-A4B5C6D7E8F9}");
    ASSERT_TRUE(id);
    EXPECT_EQ(id->ToString(), "{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}");
    EXPECT_EQ(com::Clsid::Parse("0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9"), id);
    EXPECT_FALSE(id->IsNull());
    EXPECT_TRUE(com::Clsid().IsNull());
    EXPECT_EQ(com::Clsid().ToString(), "{00000000-0000-0000-0000-000000000000}");
}

TEST(Clsid, RejectsMalformedText) {
    for (const char* text :
         {"", "{}", "{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F}",
          "{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9", "{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8FG}",
          "{0A1B2C3D4-E5F-6071-8293-A4B5C6D7E8F9}", "[0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9]"})
        EXPECT_FALSE(com::Clsid::Parse(text)) << text;
}

TEST(Clsid, OrdersByValue) {
    auto low = *com::Clsid::Parse("{00000000-0000-0000-0000-0000000000FF}");
    auto high = *com::Clsid::Parse("{00000001-0000-0000-0000-000000000000}");
    EXPECT_LT(low, high);
    EXPECT_NE(low, high);
    constexpr auto fixed = com::Clsid::Parse("{00000001-0000-0000-0000-000000000000}");
    static_assert(fixed.has_value());
    EXPECT_EQ(*fixed, high);
}

}  // namespace
