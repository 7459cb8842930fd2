#include <gtest/gtest.h>

#include "platform/com/Dispatch.h"
#include "platform/com/Members.h"
#include "platform/vb/Error.h"
#include "tests/support/ErrorNumber.h"

namespace {

struct Picture : vb::Object {};
struct Other : vb::Object {};

class Sample : public com::TableDispatch<Sample> {
public:
    static const com::MemberTable<Sample>& Members() {
        using enum com::InvokeKind;
        static const com::MemberTable<Sample> table{
            {"Count", 1, PropertyGet, com::Getter(&Sample::Count)},
            {"Count", 1, PropertyPut, com::Setter(&Sample::SetCount)},
            {"Total", 2, PropertyGet, com::Getter(&Sample::Total)},
            {"Picture", 3, PropertyGet, com::Getter(&Sample::GetPicture)},
            {"Picture", 3, PropertyPutRef, com::Setter(&Sample::SetPicture)},
            {"Swap", 4, Method, com::Caller(&Sample::Swap)},
            {"Add", 5, Method, com::Caller(&Sample::Add)},
            {"Reset", 6, Method, com::Caller(&Sample::Reset)},
        };
        return table;
    }

    vb::Integer Count() const { return count_; }
    void SetCount(vb::Integer count) { count_ = count; }
    vb::Long Total() const { return 1000 + count_; }
    std::shared_ptr<Picture> GetPicture() const { return picture_; }
    void SetPicture(std::shared_ptr<Picture> picture) { picture_ = std::move(picture); }
    void Swap(vb::Variant& a, vb::Variant& b) { std::swap(a, b); }
    vb::Long Add(vb::Long a, vb::Long b) { return a + b; }
    void Reset() { count_ = 0; }

private:
    vb::Integer count_ = 0;
    std::shared_ptr<Picture> picture_;
};

TEST(Dispatch, NamesCompareWithoutCaseAndUnknownNamesRaise438) {
    Sample sample;
    com::Put(sample, "COUNT", vb::Integer(7));
    EXPECT_EQ(com::Get(sample, "count"), vb::Variant(vb::Integer(7)));
    EXPECT_EQ(sample.IdOfName("cOuNt"), 1);
    EXPECT_EQ(ErrorNumber([&] { com::Get(sample, "Counts"); }), vb::err::kNotSupported);
    EXPECT_EQ(ErrorNumber([&] { com::Call(sample, "Cou"); }), vb::err::kNotSupported);
    EXPECT_EQ(ErrorNumber([&] {
                  com::Args none;
                  sample.Invoke(99, com::InvokeKind::PropertyGet, none);
              }),
              vb::err::kNotSupported);
}

TEST(Dispatch, KindsAMemberDoesNotSupportRaise438) {
    Sample sample;
    EXPECT_EQ(ErrorNumber([&] { com::Put(sample, "Total", vb::Long(1)); }), vb::err::kNotSupported);
    EXPECT_EQ(ErrorNumber([&] { com::PutRef(sample, "Count", vb::Integer(1)); }),
              vb::err::kNotSupported);
    EXPECT_EQ(ErrorNumber([&] { com::Put(sample, "Picture", vb::ObjectRef()); }),
              vb::err::kNotSupported);
    EXPECT_EQ(ErrorNumber([&] { com::Put(sample, "Reset", vb::Integer(1)); }),
              vb::err::kNotSupported);
}

TEST(Dispatch, ReadsAndCallsAreInterchangeableAsLateBoundCallersExpect) {
    Sample sample;
    sample.SetCount(5);
    EXPECT_EQ(com::Call(sample, "Total"), vb::Variant(vb::Long(1005)));
    EXPECT_TRUE(com::Get(sample, "Reset").IsEmpty());
    EXPECT_EQ(sample.Count(), 0);
}

TEST(Dispatch, ArgumentsConvertWithTheLanguageRules) {
    Sample sample;
    com::Put(sample, "Count", "12");
    EXPECT_EQ(sample.Count(), 12);
    EXPECT_EQ(ErrorNumber([&] { com::Put(sample, "Count", "twelve"); }), vb::err::kTypeMismatch);
    EXPECT_EQ(ErrorNumber([&] { com::Put(sample, "Count", vb::Long(40000)); }), vb::err::kOverflow);
    EXPECT_EQ(sample.Count(), 12);
    EXPECT_EQ(com::Call(sample, "Add", {vb::Long(2), "3"}), vb::Variant(vb::Long(5)));
}

TEST(Dispatch, WrongArgumentCountsRaise450) {
    Sample sample;
    EXPECT_EQ(ErrorNumber([&] { com::Call(sample, "Add", {vb::Long(2)}); }),
              vb::err::kWrongArguments);
    EXPECT_EQ(ErrorNumber([&] { com::Call(sample, "Reset", {vb::Long(2)}); }),
              vb::err::kWrongArguments);
    EXPECT_EQ(ErrorNumber([&] {
                  com::Args two{vb::Integer(1), vb::Integer(2)};
                  sample.Invoke(1, com::InvokeKind::PropertyPut, two);
              }),
              vb::err::kWrongArguments);
}

TEST(Dispatch, ByReferenceArgumentsAreWrittenBackAndByValueOnesAreNot) {
    Sample sample;
    com::Args args{vb::Variant("left"), vb::Variant(vb::Long(2))};
    com::Call(sample, "Swap", args);
    EXPECT_EQ(args[0], vb::Variant(vb::Long(2)));
    EXPECT_EQ(args[1], vb::Variant("left"));

    com::Args typed{vb::Variant("4"), vb::Variant(vb::Integer(5))};
    EXPECT_EQ(com::Call(sample, "Add", typed), vb::Variant(vb::Long(9)));
    EXPECT_EQ(typed[0], vb::Variant("4"));
}

TEST(Dispatch, ObjectPropertiesTakeTheirOwnTypeOrNothing) {
    Sample sample;
    auto picture = std::make_shared<Picture>();
    com::PutRef(sample, "Picture", vb::ObjectRef(picture));
    EXPECT_EQ(com::Get(sample, "Picture").ToObject(), picture);
    EXPECT_EQ(ErrorNumber([&] {
                  com::PutRef(sample, "Picture", vb::ObjectRef(std::make_shared<Other>()));
              }),
              vb::err::kTypeMismatch);
    EXPECT_EQ(sample.GetPicture(), picture);
    com::PutRef(sample, "Picture", vb::ObjectRef());
    EXPECT_EQ(sample.GetPicture(), nullptr);
}

TEST(Dispatch, ToDispatchNeedsALateBoundObject) {
    auto sample = std::make_shared<Sample>();
    EXPECT_EQ(&com::ToDispatch(vb::Variant(vb::ObjectRef(sample))), sample.get());
    EXPECT_EQ(ErrorNumber([] { com::ToDispatch(vb::Variant(vb::Long(1))); }),
              vb::err::kObjectRequired);
    EXPECT_EQ(ErrorNumber([] { com::ToDispatch(vb::Variant(vb::ObjectRef())); }),
              vb::err::kObjectNotSet);
    EXPECT_EQ(
        ErrorNumber([] { com::ToDispatch(vb::Variant(vb::ObjectRef(std::make_shared<Other>()))); }),
        vb::err::kNotSupported);
}

}  // namespace
