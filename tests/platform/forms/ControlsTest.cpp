#include <gtest/gtest.h>

#include "tests/support/ErrorNumber.h"

#include "platform/forms/ActiveToolBars.h"
#include "platform/forms/ListControl.h"
#include "platform/forms/PictureClip.h"
#include "platform/forms/RangeControl.h"
#include "platform/vb/Error.h"
#include "tests/platform/forms/TestWindows.h"

using namespace forms;

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Describe("frmRecording", kRecordingWindow);
        window.Load();
        window.events.clear();
    }
    FormsFixture fx;
    RecordingWindow& window = Instance<RecordingWindow>();
};

TEST_F(Controls, PropertiesByNameFollowTheTypedOnes) {
    Control& name = window.ControlNamed("txtName");
    EXPECT_EQ(name.Get("text").ToString(), "start");
    name.Let("TEXT", "by name");
    EXPECT_EQ(static_cast<TextBox&>(name).Text(), "by name");
    EXPECT_EQ(name.Get("Width").ToDouble(), 2000);
    EXPECT_EQ(name.Get("MaxLength").ToLong(), 0);  // a stored default
    EXPECT_EQ(name.TypeName(), "TextBox");
    Control& info = window.ControlNamed("lblInfo");
    EXPECT_EQ(info.Font()->Name, "Arial");
    EXPECT_TRUE(info.Font()->Bold);
}

TEST_F(Controls, MissingAndReadOnlyPropertiesRaise) {
    Control& name = window.ControlNamed("txtName");
    EXPECT_EQ(ErrorNumber([&] { name.Get("Caption"); }), vb::err::kNotSupported);
    EXPECT_EQ(ErrorNumber([&] { name.Let("Caption", "x"); }), vb::err::kNotSupported);
    EXPECT_EQ(ErrorNumber([&] { name.Let("Name", "other"); }), 383);
    EXPECT_EQ(ErrorNumber([&] { name.Let("Width", -1); }), vb::err::kInvalidPropertyValue);
}

TEST_F(Controls, SettingValuesRaisesTheEventsAPersonWouldCause) {
    window.ControlAs<TextBox>("txtName").SetText("abc");
    window.ControlAs<TextBox>("txtName").SetText("abc");  // unchanged: no event
    window.ControlAs<CheckBox>("chkBold").SetValue(0);
    window.ControlAs<OptionButton>("optSize", 1).SetValue(true);
    EXPECT_EQ(window.events,
              (std::vector<std::string>{"txtName_Change abc", "chkBold_Click", "optSize_Click 1"}));
    // Only the buttons of the same container are cleared.
    EXPECT_FALSE(window.ControlAs<OptionButton>("optSize", 0).Value());
    EXPECT_TRUE(window.ControlAs<OptionButton>("optOther").Value());
}

TEST_F(Controls, TextBoxSelectionAndMaxLength) {
    auto& box = window.ControlAs<TextBox>("txtName");
    box.SetText("Größe");
    box.SetSelStart(2);
    box.SetSelLength(2);
    EXPECT_EQ(box.SelText(), "öß");
    box.SetSelText("X");
    EXPECT_EQ(box.Text(), "GrXe");
    EXPECT_EQ(box.SelStart(), 3);
    box.Let("MaxLength", 3);
    box.SetText("ABCDE");
    EXPECT_EQ(box.Text(), "ABC");
}

TEST_F(Controls, ListsKeepTheirChoiceInStep) {
    auto& units = window.ControlAs<ComboBox>("cbbUnit");
    EXPECT_EQ(units.ListCount(), 3);
    EXPECT_EQ(units.ListIndex(), -1);
    units.SetListIndex(1);
    EXPECT_EQ(units.Text(), "cm");
    units.AddItem("ft", 0);
    EXPECT_EQ(units.ListIndex(), 2);  // still "cm"
    units.RemoveItem(2);
    EXPECT_EQ(units.ListIndex(), -1);
    EXPECT_EQ(units.List(9), "");
    units.Let("Sorted", true);
    units.Clear();
    for (const char* text : {"m", "cm", "in"})
        units.AddItem(text);
    EXPECT_EQ(units.List(0), "cm");
    EXPECT_EQ(units.List(2), "m");
}

class Tools : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Describe("frmOwned", R"({"Name": "frmOwned", "Controls": [
          { "Type": "SSActiveToolBars", "Name": "SSBars",
            "Tools": [
              { "ID": "id_FormatLeft", "Type": 1, "Group": "Align" },
              { "ID": "id_FormatCenter", "Type": 1, "Group": "Align", "State": 1 },
              { "ID": "id_Bold", "Type": 1 },
              { "ID": "id_FileExit", "Type": 0, "Enabled": false } ],
            "ToolBars": [ { "Name": "Menu", "Tools": [
              { "ID": "id_File", "Name": "1000", "Type": 7, "Menu": [
                 { "ID": "id_FileExit", "Name": "1012" } ] } ] } ] } ]})");
    }
    FormsFixture fx;
};

TEST_F(Tools, StateButtonsFlipAndGroupsActAsOptionSets) {
    auto& window = Instance<OwnedWindow>();
    auto& bars = window.ControlAs<ActiveToolBars>("SSBars");
    bars.ClickTool("id_FormatLeft");
    EXPECT_EQ(bars.ToolById("id_FormatLeft").State(), 1);
    EXPECT_EQ(bars.ToolById("id_FormatCenter").State(), 0);
    bars.ClickTool("id_FormatLeft");  // a pressed group member stays down
    EXPECT_EQ(bars.ToolById("id_FormatLeft").State(), 1);
    bars.ClickTool("id_Bold");
    bars.ClickTool("id_Bold");
    EXPECT_EQ(bars.ToolById("id_Bold").State(), 0);
    EXPECT_EQ(bars.ToolBars()(1).Tools()(1).Menu()(1).Get("Name").ToString(), "1012");
    try {
        bars.ToolById("id_Nothing");
        FAIL();
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.Number(), 35601);
    }
}

class RangeAndClip : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Describe("frmOwned", R"({"Name": "frmOwned", "Controls": [
          { "Type": "HScrollBar", "Name": "HSLine", "Min": 6, "Max": 19, "Value": 10 },
          { "Type": "UpDown", "Name": "VScrSpacing", "Min": -1, "Max": 10, "Value": 0, "Increment": 1 },
          { "Type": "PictureClip", "Name": "PicClip" } ]})");
        Instance<OwnedWindow>().Load();
    }
    FormsFixture fx;
    OwnedWindow& window = Instance<OwnedWindow>();
};

TEST_F(RangeAndClip, ValuesStayInTheirRange) {
    auto& bar = window.ControlAs<HScrollBar>("HSLine");
    int changes = 0;
    struct Counter : ControlView {
        int* n;
        void PropertyChanged(Control&, std::string_view name) override { *n += name == "Value"; }
    } counter;
    counter.n = &changes;
    bar.SetView(&counter);
    EXPECT_EQ(bar.Value(), 10);
    try {
        bar.SetValue(20);
        FAIL();
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.Number(), vb::err::kInvalidPropertyValue);
    }
    bar.SetMin(12);  // the value follows the new range
    EXPECT_EQ(bar.Value(), 12);
    bar.SetMin(7);
    bar.SetMax(60);
    EXPECT_EQ(bar.Value(), 12);
    EXPECT_EQ(changes, 1);
    bar.Step(100);
    EXPECT_EQ(bar.Value(), 60);
    bar.SetView(nullptr);

    auto& spacing = window.ControlAs<UpDown>("VScrSpacing");
    spacing.SetValue(-1);
    spacing.Step(-1);
    EXPECT_EQ(spacing.Value(), -1);
}

TEST_F(RangeAndClip, ClipCutsARectangleAndPadsBeyondThePicture) {
    auto& clip = window.ControlAs<PictureClip>("PicClip");
    EXPECT_THROW(clip.Clip(), vb::VbError);
    gdi::Bitmap image(4, 3, gdi::kBlack);
    image.Set(1, 1, gdi::kWhite);
    image.Set(3, 2, gdi::kWhite);
    clip.SetPicture(std::make_shared<gdi::Picture>(image));
    clip.SetClipX(1);
    clip.SetClipY(1);
    clip.SetClipWidth(4);
    clip.SetClipHeight(2);
    gdi::PictureRef cut = clip.Clip();
    ASSERT_EQ(cut->PixelWidth(), 4);
    ASSERT_EQ(cut->PixelHeight(), 2);
    EXPECT_EQ(cut->Image().At(0, 0), gdi::kWhite);
    EXPECT_EQ(cut->Image().At(2, 1), gdi::kWhite);
    EXPECT_EQ(cut->Image().At(3, 1), gdi::kBlack);  // beyond the source
    EXPECT_EQ(clip.Get("Clip").As<gdi::Picture>()->PixelWidth(), 4);
}
