#include <gtest/gtest.h>

#include "platform/vb/Collection.h"
#include "tests/support/ErrorNumber.h"

using namespace vb;

namespace {

std::vector<std::string> Texts(const Collection& items) {
    std::vector<std::string> out;
    for (const Variant& item : items)
        out.push_back(item.ToString());
    return out;
}

}  // namespace

TEST(Collection, IndexesFromOneAndKeysWithoutCase) {
    Collection items;
    items.Add("first", "Größe");
    items.Add("second");
    items.Add("third", "Key");
    EXPECT_EQ(items.Count(), 3);
    EXPECT_EQ(items.Item(1).ToString(), "first");
    EXPECT_EQ(items.Item(2).ToString(), "second");
    EXPECT_EQ(items.Item("KEY").ToString(), "third");
    EXPECT_EQ(items.Item("GRÖßE").ToString(), "first");
    EXPECT_TRUE(items.Contains("key"));
    EXPECT_FALSE(items.Contains(""));
    EXPECT_FALSE(items.Contains("second"));
}

TEST(Collection, RaisesTheLanguageErrors) {
    Collection items;
    items.Add(Long{1}, "a");
    EXPECT_EQ(ErrorNumber([&] { items.Add(Long{2}, "A"); }), err::kDuplicateKey);
    EXPECT_EQ(items.Count(), 1);  // the failed add left nothing behind
    EXPECT_EQ(ErrorNumber([&] { items.Item(0); }), err::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorNumber([&] { items.Item(2); }), err::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorNumber([&] { items.Remove(2); }), err::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorNumber([&] { items.Item("b"); }), err::kInvalidCall);
    EXPECT_EQ(ErrorNumber([&] { items.Remove("b"); }), err::kInvalidCall);
    EXPECT_EQ(ErrorNumber([&] { items.Item(""); }), err::kInvalidCall);
}

TEST(Collection, RemoveKeepsOrderAndKeysInStep) {
    Collection items;
    items.Add("a", "ka");
    items.Add("b", "kb");
    items.Add("c");
    items.Add("d", "kd");
    items.Remove("KA");
    EXPECT_EQ(Texts(items), (std::vector<std::string>{"b", "c", "d"}));
    EXPECT_EQ(items.Item("kd").ToString(), "d");
    items.Remove(2);
    EXPECT_EQ(Texts(items), (std::vector<std::string>{"b", "d"}));
    EXPECT_EQ(items.Item("kb").ToString(), "b");
    EXPECT_EQ(items.Item("kd").ToString(), "d");
    // A removed key is free again.
    items.Add("a2", "ka");
    EXPECT_EQ(items.Item("ka").ToString(), "a2");
    EXPECT_EQ(items.Item(3).ToString(), "a2");
    items.Clear();
    EXPECT_EQ(items.Count(), 0);
    EXPECT_FALSE(items.Contains("kb"));
}
