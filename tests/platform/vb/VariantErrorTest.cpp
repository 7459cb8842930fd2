#include <gtest/gtest.h>

#include <string>

#include "platform/vb/Conversion.h"
#include "platform/vb/Error.h"
#include "platform/vb/ObjectVar.h"
#include "platform/vb/Variant.h"
#include "tests/support/ErrorNumber.h"

using namespace vb;

TEST(Variant, ConvertsAsTheLanguageDoes) {
    EXPECT_EQ(Variant().ToString(), "");
    EXPECT_EQ(Variant().ToDouble(), 0);
    EXPECT_EQ(Variant(true).ToInteger(), -1);
    EXPECT_EQ(Variant(true).ToString(), "True");
    EXPECT_EQ(Variant(Integer{5}).Type(), VarType::Integer);
    EXPECT_EQ(Variant(1.25f).ToString(), "1.25");
    EXPECT_TRUE(Variant("12.5").IsNumeric());
    EXPECT_FALSE(Variant("12.5 in").IsNumeric());
    EXPECT_TRUE(Variant().IsNumeric());
    EXPECT_EQ(Variant("True").ToBool(), true);
    EXPECT_THROW(Variant::Null().ToString(), VbError);
}

TEST(Variant, HoldsObjectsByReference) {
    auto object = std::make_shared<Object>();
    Variant v(object);
    EXPECT_TRUE(v.IsObject());
    EXPECT_EQ(v.ToObject(), object);
    EXPECT_EQ(v, Variant(object));
    try {
        Variant("x").ToObject();
        FAIL();
    } catch (const VbError& e) {
        EXPECT_EQ(e.Number(), err::kObjectRequired);
    }
}

TEST(ErrorModel, OnErrorReportsAndGoesOn) {
    Err().Clear();
    std::vector<Long> reported;
    OnError step([&] {
        reported.push_back(Err().Number);
        Err().Clear();
    });
    int reached = 0;
    EXPECT_FALSE(step([] { Raise(err::kOverflow); }));
    EXPECT_TRUE(step([&] { ++reached; }));
    EXPECT_FALSE(step([] { std::vector<int>().at(3); }));
    EXPECT_EQ(reached, 1);
    EXPECT_EQ(reported, (std::vector<Long>{err::kOverflow, err::kSubscriptOutOfRange}));
    EXPECT_EQ(Err().Number, 0);
}

TEST(ErrorModel, CurrentErrorCarriesNumberDescriptionAndSource) {
    Err().Clear();
    ResumeNext([] { Raise(53); });
    EXPECT_EQ(Err().Number, 53);
    EXPECT_EQ(Err().Description, "File not found");
    EXPECT_EQ(Err().Source, ProjectName());
    ResumeNext([] { Raise(1001, "Custom", "Catalogue"); });
    EXPECT_EQ(Err().Description, "Custom");
    EXPECT_EQ(Err().Source, "Catalogue");
    Err().Clear();
    EXPECT_FALSE(Err());
}

TEST(ErrorModel, PassOverSkipsOnlyTheNamedError) {
    Err().Clear();
    EXPECT_NO_THROW(PassOver(53, [] { Raise(53); }));
    EXPECT_EQ(Err().Number, 0);
    EXPECT_THROW(PassOver(53, [] { Raise(76); }), VbError);
}

// An object variable set to nothing (a node, window or control a damaged file left missing)
// raises error 91 where it is used, to the handler around it, instead of reaching through null.
TEST(ErrorModel, UsingAnObjectVariableThatIsNothingRaises91) {
    std::string text = "set";
    vb::ObjectVar<std::string> nothing;
    EXPECT_TRUE(nothing.IsNothing());
    EXPECT_EQ(ErrorNumber([&] { (void)nothing->size(); }), vb::err::kObjectNotSet);
    EXPECT_EQ(ErrorNumber([&] { (void)*nothing; }), vb::err::kObjectNotSet);
    vb::ObjectVar<std::string> set = text;
    EXPECT_EQ(set->size(), 3u);
    EXPECT_EQ(static_cast<std::string*>(set), &text);
}
