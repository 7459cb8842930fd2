#include "core/TranslateForm.h"
#include "platform/forms/ActiveToolBars.h"
#include "platform/forms/BasicControls.h"
#include "platform/forms/ControlFactory.h"
#include "platform/forms/ItemControls.h"
#include "tests/core/startup/StartupFixture.h"

using namespace zomel;

namespace {

// Outside controls the program hosts, as far as translation sees them.
class HostedControl : public forms::Control {
public:
    using Control::Control;
    static const forms::PropertyTable& Table() {
        static const forms::PropertyTable table = [] {
            forms::PropertyTable t(&Control::Table());
            t.Stored("Caption", "").Stored("TagVariant", "");
            return t;
        }();
        return table;
    }
    const forms::PropertyTable& Properties() const override { return Table(); }
};

class frmEverything : public forms::Form {
public:
    frmEverything() : Form("frmEverything") {}
};

const char* kStrings =
    "20\tDejaVu Sans\n21\t9\n101\tAbout\n200\tA check\n201\tCheck tip\n202\tA button\n"
    "203\tA label\n204\tCombo tip\n205\tImage tip\n206\tImage second tip\n207\tMenu text\n"
    "208\tSign tip\n209\tStrip tip\n210\tFirst tab\n211\tFirst tab tip\n212\tButton tip\n"
    "213\tColumn one\n214\tFile\n215\tFile tip\n216\tExit\n217\tExit tip\n218\tMore\n"
    "219\tMore tip\n220\tDeep\n221\tDeep tip\n222\tFrame text\n223\tFrame tip\n224\tPanel tip\n"
    "225\tPicture text\n";

const char* kEverything = R"({
  "Name": "frmEverything", "Caption": "Designed", "Tag": "101",
  "Controls": [
    { "Type": "CheckBox", "Name": "chkA", "Tag": "200", "ToolTipText": "201" },
    { "Type": "CommandButton", "Name": "cmdA", "Tag": "202", "ToolTipText": "Press to go on." },
    { "Type": "Label", "Name": "lblKeep", "Caption": "Kept", "Tag": "" },
    { "Type": "Label", "Name": "lblA", "Tag": "203" },
    { "Type": "ComboBox", "Name": "cbbA", "Tag": "204" },
    { "Type": "Image", "Name": "imgA", "Tag": "205", "ToolTipText": "206" },
    { "Type": "Menu", "Name": "mnuSep", "Caption": "-" },
    { "Type": "Menu", "Name": "mnuEmpty", "Caption": "" },
    { "Type": "Menu", "Name": "mnuA", "Caption": "207" },
    { "Type": "SignObject", "Name": "ViewSign", "ToolTipText": "208" },
    { "Type": "TabStrip", "Name": "tabA", "Tag": "209",
      "Tabs": [ { "Caption": "x", "Tag": "210", "ToolTipText": "211" } ] },
    { "Type": "Toolbar", "Name": "tbA", "Buttons": [
        { "Style": 0, "ToolTipText": "212" }, { "Style": 3, "ToolTipText": "212" } ] },
    { "Type": "ListView", "Name": "lvA", "ColumnHeaders": [ { "Text": "", "Tag": "213" } ] },
    { "Type": "SSActiveToolBars", "Name": "SSBars",
      "Tools": [ { "ID": "id_File" }, { "ID": "id_More" } ],
      "ToolBars": [ { "Name": "Menu", "Tools": [
        { "ID": "id_File", "Name": "214", "ToolTipText": "215", "Type": 7, "Menu": [
          { "ID": "id_FileExit", "Name": "216", "ToolTipText": "217" },
          { "ID": "id_Sep", "Name": "-", "Type": 4 },
          { "ID": "id_More", "Name": "218", "ToolTipText": "219", "Type": 7, "Menu": [
            { "ID": "id_Deep", "Name": "220", "ToolTipText": "221" } ] } ] } ] } ] },
    { "Type": "CommonDialog", "Name": "dlgFont" },
    { "Type": "PictureBox", "Name": "picA", "Tag": "225" },
    { "Type": "Frame", "Name": "fraA", "Tag": "222", "ToolTipText": "223" },
    { "Type": "TextBox", "Name": "txtA", "Tag": "222", "Text": "typed" },
    { "Type": "SSPanel", "Name": "pnlA", "TagVariant": "224" }
  ]
})";

}  // namespace

class Translate : public StartupTest {
protected:
    void SetUp() override {
        StartupTest::SetUp();
        forms::RegisterControlType("SignObject", Maker("SignObject"));
        forms::RegisterControlType("SSPanel", Maker("SSPanel"));
        env.UseProgramFolder();
        env.WriteFile("app/strings.tsv", kStrings);
        env.WriteFile("app/forms/frmEverything.json", kEverything);
        forms::ReloadStringTable();
        forms::ReloadWindowDescriptions();
        window_ = &forms::Instance<frmEverything>();
        window_->Load();
    }
    static forms::ControlMaker Maker(std::string type) {
        return [type](forms::Form& f, const std::string& name, vb::Integer index) {
            return std::make_unique<HostedControl>(f, type, name, index);
        };
    }
    std::string Text(const std::string& control, const char* property) {
        return window().ControlNamed(control).Get(property).ToString();
    }
    frmEverything* window_ = nullptr;
    frmEverything& window() { return *window_; }
};

TEST_F(Translate, EveryControlTypeTakesItsTexts) {
    TranslateForm(window(), false);
    EXPECT_EQ(window().Caption(), "About");
    EXPECT_EQ(window().Font()->Name, "DejaVu Sans");
    EXPECT_EQ(window().Font()->Size, 9);
    EXPECT_EQ(Text("chkA", "Caption"), "A check");
    EXPECT_EQ(Text("chkA", "ToolTipText"), "Check tip");
    EXPECT_EQ(Text("cmdA", "Caption"), "A button");
    EXPECT_EQ(Text("cmdA", "ToolTipText"), "Press to go on.");
    EXPECT_EQ(Text("lblKeep", "Caption"), "Kept");
    EXPECT_EQ(Text("lblA", "Caption"), "A label");
    EXPECT_EQ(Text("cbbA", "ToolTipText"), "Combo tip");
    EXPECT_EQ(Text("imgA", "ToolTipText"), "Image tip");  // the tag's text is no number
    EXPECT_EQ(Text("mnuSep", "Caption"), "-");
    EXPECT_EQ(Text("mnuEmpty", "Caption"), "");
    EXPECT_EQ(Text("mnuA", "Caption"), "Menu text");
    EXPECT_EQ(Text("ViewSign", "ToolTipText"), "Sign tip");
    EXPECT_EQ(Text("fraA", "Caption"), "Frame text");
    EXPECT_EQ(Text("fraA", "ToolTipText"), "Frame tip");
    EXPECT_EQ(Text("txtA", "Text"), "typed");
    EXPECT_EQ(Text("pnlA", "ToolTipText"), "Panel tip");
    EXPECT_EQ(Text("picA", "ToolTipText"), "");  // picture boxes carry no texts

    auto& strip = window().ControlAs<forms::TabStrip>("tabA");
    EXPECT_EQ(strip.Get("ToolTipText").ToString(), "Strip tip");
    EXPECT_EQ(strip.Tabs()(1).Get("Caption").ToString(), "First tab");
    EXPECT_EQ(strip.Tabs()(1).Get("ToolTipText").ToString(), "First tab tip");

    auto& toolbar = window().ControlAs<forms::Toolbar>("tbA");
    EXPECT_EQ(toolbar.Buttons()(1).Get("ToolTipText").ToString(), "Button tip");
    EXPECT_EQ(toolbar.Buttons()(2).Get("ToolTipText").ToString(), "212");

    auto& list = window().ControlAs<forms::ListView>("lvA");
    EXPECT_EQ(list.ColumnHeaders()(1).Get("Text").ToString(), "Column one");
}

TEST_F(Translate, ToolsAndPopupsWithinPopups) {
    TranslateForm(window(), false);
    auto& bars = window().ControlAs<forms::ActiveToolBars>("SSBars");
    forms::Tool& file = bars.ToolBars()(1).Tools()(1);
    EXPECT_EQ(file.Get("Name").ToString(), "File");
    EXPECT_EQ(bars.ToolById("id_File").Get("ToolTipText").ToString(), "File tip");
    EXPECT_EQ(file.Menu()(1).Get("Name").ToString(), "Exit");
    EXPECT_EQ(file.Menu()(1).Get("ToolTipText").ToString(), "Exit tip");
    EXPECT_EQ(file.Menu()(2).Get("Name").ToString(), "-");
    forms::Tool& more = file.Menu()(3);
    EXPECT_EQ(more.Get("Name").ToString(), "More");
    EXPECT_EQ(more.Menu()(1).Get("Name").ToString(), "Deep");
    EXPECT_EQ(more.Menu()(1).Get("ToolTipText").ToString(), "Deep tip");
    EXPECT_EQ(vb::Err().Number, 0);
}

TEST_F(Translate, OnlyWhenAskedDoControlsTakeTheWindowsFont) {
    TranslateForm(window(), false);
    EXPECT_NE(window().ControlNamed("lblA").Font(), window().Font());
    TranslateForm(window(), true);
    EXPECT_EQ(window().ControlNamed("lblA").Font(), window().Font());
    EXPECT_EQ(window().ControlNamed("txtA").Font(), window().Font());
    EXPECT_NE(window().ControlNamed("imgA").Font(), window().Font());
    EXPECT_NE(window().ControlNamed("picA").Font(), window().Font());
    EXPECT_EQ(window().ControlNamed("dlgFont").Get("FontName").ToString(), "DejaVu Sans");
    EXPECT_EQ(window().ControlNamed("dlgFont").Get("FontSize").ToDouble(), 9);
}

TEST_F(Translate, AWindowWithoutTagKeepsItsCaption) {
    env.WriteFile("app/forms/frmEverything.json",
                  R"({"Name": "frmEverything", "Caption": "Designed", "Controls": []})");
    forms::ReloadWindowDescriptions();
    window().Unload();
    window().Load();
    TranslateForm(window(), false);
    EXPECT_EQ(window().Caption(), "Designed");
}
