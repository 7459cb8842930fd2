#include <filesystem>

#include "editor/frmClipList.h"
#include "platform/forms/Interaction.h"
#include "platform/os/Paths.h"
#include "tests/editor/accessories/AccessoryFixture.h"

namespace {

using zomel::frmClipList;

class ClipListTest : public AccessoryTest {
protected:
    frmClipList& List() { return forms::Instance<frmClipList>(); }

    // Opens the list from the main window's tool, runs `act` inside it.
    void UseClipList(std::function<void(frmClipList&)> act) {
        host.OnModal("frmClipList",
                     [act](forms::Form& form) { act(static_cast<frmClipList&>(form)); });
        Main().mnuSignClipList_Click();
    }

    std::vector<std::string> Entries() {
        std::vector<std::string> entries;
        for (vb::Integer i = 0; i < List().LstClipText->ListCount(); ++i)
            entries.push_back(List().LstClipText->List(i));
        return entries;
    }

    void Choose(frmClipList& list, const std::string& message, vb::Integer span) {
        forms::ListBox& box = *list.LstClipText;
        for (vb::Integer i = 0; i < box.ListCount(); ++i)
            if (box.List(i) == message) box.SetListIndex(i);
        list.Option1(span - 1).Click();
        list.CmdUpdate->Click();
    }
};

TEST_F(ClipListTest, ListsTheBuiltInMessagesThenTheStockFile) {
    List().Load();
    auto entries = Entries();
    ASSERT_GT(entries.size(), 20u);
    EXPECT_EQ(std::vector<std::string>(entries.begin(), entries.begin() + 6),
              (std::vector<std::string>{"Merge Left", "Merge Right", "Road Closed", "SLOW",
                                        "Speed Limit 45 MPH", "ROAD WORK AHEAD"}));
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_EQ(List().Caption(), "Use the Clip-List");
    EXPECT_EQ(List().CmdUpdate->Caption(), "&Update Sign");
}

TEST_F(ClipListTest, EveryLineOfTheFileIsAnEntryAnEmptyOneToo) {
    std::string app = env.UseProgramFolder();
    for (const auto& entry : std::filesystem::directory_iterator(os::ProgramFolder()))
        (void)entry;
    std::filesystem::copy("forms", app + "forms", std::filesystem::copy_options::recursive);
    std::filesystem::copy_file("strings.tsv", app + "strings.tsv");
    env.WriteFile("app/ClipText.txt", "FOG\r\n\r\nICE \xC9TAPE\r\n");
    forms::ReloadWindowDescriptions();
    forms::ReloadStringTable();
    List().Load();
    auto entries = Entries();
    ASSERT_EQ(entries.size(), 8u);
    EXPECT_EQ(entries[5], "FOG");
    EXPECT_EQ(entries[6], "");
    EXPECT_EQ(entries[7], "ICE \xC3\x89TAPE");  // an 8-bit file, read as Windows-1252
}

TEST_F(ClipListTest, AMissingStockFileIsReportedWithItsPath) {
    std::string app = env.UseProgramFolder();
    std::filesystem::copy("forms", app + "forms", std::filesystem::copy_options::recursive);
    std::filesystem::copy_file("strings.tsv", app + "strings.tsv");
    forms::ReloadWindowDescriptions();
    forms::ReloadStringTable();
    List().Load();
    EXPECT_EQ(Entries().size(), 5u);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(LastPrompt(), "Unable to locate " + app + "ClipText.txt" +
                                ".  You may need to reinstall ZOMELBuilder.");
}

TEST_F(ClipListTest, AddKeepsEntriesUniqueAndRemoveNeedsASelection) {
    frmClipList& list = List();
    list.Load();
    vb::Integer count = list.LstClipText->ListCount();
    list.TxtNewMessage->SetText("SLOW");
    list.CmdAdd->Click();
    EXPECT_EQ(list.LstClipText->ListCount(), count);
    EXPECT_EQ(list.TxtNewMessage->Text(), "SLOW");
    list.TxtNewMessage->SetText("Slow");
    list.CmdAdd->Click();
    EXPECT_EQ(list.LstClipText->ListCount(), count + 1);
    EXPECT_EQ(list.LstClipText->List(count), "Slow");
    EXPECT_EQ(list.TxtNewMessage->Text(), "");
    list.CmdAdd->Click();  // nothing typed
    EXPECT_EQ(list.LstClipText->ListCount(), count + 1);

    list.LstClipText->SetListIndex(-1);
    list.CmdRemove->Click();  // nothing selected: nothing removed, no error
    EXPECT_EQ(list.LstClipText->ListCount(), count + 1);
    list.LstClipText->SetListIndex(3);
    list.CmdRemove->Click();
    EXPECT_EQ(list.LstClipText->ListCount(), count);
    EXPECT_EQ(list.LstClipText->List(3), "Speed Limit 45 MPH");

    // Additions and removals last only while the window is open.
    list.Unload();
    list.Load();
    EXPECT_EQ(list.LstClipText->ListCount(), count);
    EXPECT_EQ(list.LstClipText->List(3), "SLOW");
}

TEST_F(ClipListTest, UpdateSignFillsTheMainLinesAndEmptiesEveryOtherLine) {
    for (vb::Integer i = 0; i <= 10; ++i)
        Main().txtZomelText(i).SetText("old " + std::to_string(i));
    UseClipList([this](frmClipList& list) { Choose(list, "Speed Limit 45 MPH", 3); });
    EXPECT_EQ(Line(0), "Speed");
    EXPECT_EQ(Line(1), "Limit");
    EXPECT_EQ(Line(2), "45 MPH");
    for (vb::Integer i = 3; i <= 10; ++i)
        EXPECT_EQ(Line(i), "") << "line " << i;
    EXPECT_FALSE(List().IsLoaded());  // the list closes itself
    bool modal = false;
    for (const auto& line : host.Journal())
        modal |= line == "modal frmClipList owner frmMain";
    EXPECT_TRUE(modal);
}

TEST_F(ClipListTest, UpdateWithoutAChoiceAsksForOne) {
    Main().txtZomelText(0).SetText("kept");
    UseClipList([](frmClipList& list) {
        list.LstClipText->SetListIndex(-1);
        list.CmdUpdate->Click();
        EXPECT_TRUE(list.IsLoaded());
    });
    EXPECT_EQ(LastPrompt(), "Please select one of the messages in the list.");
    EXPECT_EQ(Line(0), "kept");
}

TEST_F(ClipListTest, F12ShowsTheWindowNumber) {
    List().Load();
    vb::Integer key = forms::vbKeyF12, shift = 0;
    List().KeyUp(key, shift);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_NE(LastPrompt().find("#105"), std::string::npos) << LastPrompt();
}

}  // namespace
