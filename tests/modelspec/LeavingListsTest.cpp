#include <string>
#include <vector>

#include "tests/modelspec/ModelFixture.h"

// A person chooses from the drop-down lists and moves on, with the mouse or Tab: the checks
// bound to leaving and opening a list run as they would on screen.
namespace {

using Texts = std::vector<std::string>;

class LeavingListsTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        sign().SetCharSizeUnit("in");
        main().tabCreate->Select(3);  // the line-and-character page
        host.ClearMessages();
    }
    forms::Label& lineError() { return *main().lblLineError; }
    static Texts Entries(const forms::ListControl& list) {
        Texts entries;
        for (vb::Integer i = 0; i < list.ListCount(); ++i)
            entries.push_back(list.List(i));
        return entries;
    }
};

}  // namespace

TEST_F(LeavingListsTest, TabbingAwayFromTheHeightChecksThePair) {
    ASSERT_TRUE(host.Choose(*main().cbbHigh, "13.75 inches"));
    EXPECT_FALSE(lineError().Visible());  // choosing alone checks nothing
    ASSERT_TRUE(host.PressTab(main()));
    EXPECT_EQ(main().ActiveControl(), &*main().cbbWide);
    EXPECT_TRUE(lineError().Visible());
    EXPECT_EQ(lineError().Caption(), "You have not selected a character width.");
    EXPECT_EQ(Panel5(), "You have not selected a character width.");
    EXPECT_FALSE(main().lstSigns->Visible());

    // With widths filtered by height, choosing the height offers its one width: leaving the
    // list now finds the pair good and clears the message.
    ASSERT_TRUE(host.Click(*main().chkHigh));
    ASSERT_TRUE(host.Choose(*main().cbbHigh, "13.75 inches"));
    EXPECT_EQ(Entries(*main().cbbWide), Texts{"11.00 inches"});
    ASSERT_TRUE(host.PressTab(main()));
    EXPECT_FALSE(lineError().Visible());
    EXPECT_EQ(Panel5(), " ");
    EXPECT_TRUE(main().lstSigns->Visible());
}

TEST_F(LeavingListsTest, ClickingAwayFromTheWidthListChecksIt) {
    ASSERT_TRUE(host.Click(*main().cbbWide));
    ASSERT_TRUE(host.Click(*main().txtLines));
    EXPECT_EQ(lineError().Caption(), "You have not selected a character width.");
    EXPECT_TRUE(lineError().Visible());
    EXPECT_EQ(main().ActiveControl(), &*main().txtLines);  // no handler keeps the focus

    ASSERT_TRUE(host.Click(*main().chkHigh));
    ASSERT_TRUE(host.Choose(*main().cbbHigh, "19.25 inches"));
    ASSERT_TRUE(host.Choose(*main().cbbWide, "08.25 inches"));
    ASSERT_TRUE(host.Click(*main().txtChars));
    EXPECT_FALSE(lineError().Visible());
    EXPECT_TRUE(main().lstSigns->Visible());
}

TEST_F(LeavingListsTest, OpeningTheHeightsWithTheWidthFilterTickedNarrowsThem) {
    ASSERT_TRUE(host.Click(*main().chkHigh));
    ASSERT_TRUE(host.Choose(*main().cbbHigh, "19.25 inches"));
    EXPECT_EQ(main().cbbWide->Text(), "13.75 inches");  // the widest offered is chosen
    ASSERT_TRUE(host.Click(*main().chkWide));
    ASSERT_TRUE(host.OpenList(*main().cbbHigh));
    EXPECT_EQ(Entries(*main().cbbHigh), (Texts{"19.25 inches", "22.00 inches", "24.75 inches",
                                               "27.50 inches", "30.25 inches", "33.00 inches"}));
    EXPECT_EQ(main().cbbHigh->ListIndex(), -1);
    EXPECT_FALSE(main().lblClick->Visible());
}

TEST_F(LeavingListsTest, LeavingTheModelNumbersCountListsChangesTheSign) {
    window().Show();
    window().ControlAs<forms::Menu>("mnuBuild").Click();
    const std::string before = sign().ModelNumber();
    ASSERT_TRUE(host.Choose(*window().comboColumns, "08"));
    EXPECT_EQ(sign().ModelNumber(), before);  // nothing yet: the list has not been left
    ASSERT_TRUE(host.Choose(*window().comboRows, "03"));
    EXPECT_EQ(sign().XZomelCount(), 8);  // leaving the columns took both counts
    EXPECT_EQ(sign().YZomelCount(), 1);
    ASSERT_TRUE(host.PressTab(window()));
    EXPECT_EQ(sign().YZomelCount(), 3);
    EXPECT_EQ(sign().ModelNumber().substr(10, 4), "0803");
    EXPECT_EQ(main().txtModel->Text(), sign().ModelNumber());
}
