#include <gtest/gtest.h>

#include "platform/forms/Mnemonics.h"
#include "tests/platform/forms/TestWindows.h"

using namespace forms;

namespace {

// Labels and a frame that mark letters for Alt, each before what it names in tab order.
const char* kLabelledWindow = R"json({
  "Name": "frmLabelled", "Caption": "Labelled", "Width": 7200, "Height": 5400,
  "Controls": [
    { "Type": "Label", "Name": "lblSize", "TabIndex": 0, "Caption": "&Size",
      "Left": 120, "Top": 120, "Width": 2000, "Height": 300 },
    { "Type": "Label", "Name": "lblNote", "TabIndex": 1, "Caption": "Notes",
      "Left": 120, "Top": 480, "Width": 2000, "Height": 300 },
    { "Type": "TextBox", "Name": "txtSize", "TabIndex": 2,
      "Left": 120, "Top": 840, "Width": 2000, "Height": 300 },
    { "Type": "Label", "Name": "lblPlain", "TabIndex": 3, "Caption": "&Plain",
      "UseMnemonic": false, "Left": 120, "Top": 1200, "Width": 2000, "Height": 300 },
    { "Type": "TextBox", "Name": "txtPlain", "TabIndex": 4,
      "Left": 120, "Top": 1560, "Width": 2000, "Height": 300 },
    { "Type": "Label", "Name": "lblBoth", "TabIndex": 5, "Caption": "Tom && &Jerry",
      "Left": 120, "Top": 1920, "Width": 2000, "Height": 300 },
    { "Type": "TextBox", "Name": "txtBoth", "TabIndex": 6,
      "Left": 120, "Top": 2280, "Width": 2000, "Height": 300 },
    { "Type": "Label", "Name": "lblGone", "TabIndex": 7, "Caption": "&Gone", "Visible": false,
      "Left": 120, "Top": 2640, "Width": 2000, "Height": 300 },
    { "Type": "TextBox", "Name": "txtGone", "TabIndex": 8,
      "Left": 120, "Top": 3000, "Width": 2000, "Height": 300 },
    { "Type": "Frame", "Name": "fraUnits", "TabIndex": 9, "Caption": "&Units",
      "Left": 3000, "Top": 120, "Width": 2800, "Height": 1200 },
    { "Type": "OptionButton", "Name": "optFeet", "TabIndex": 10, "Caption": "Feet",
      "Container": "fraUnits", "Left": 120, "Top": 300, "Width": 2000, "Height": 300 },
    { "Type": "CommandButton", "Name": "cmdOk", "TabIndex": 11, "Caption": "&OK",
      "Left": 3000, "Top": 3720, "Width": 1200, "Height": 375 }
  ]
})json";

class Mnemonics : public ::testing::Test {
protected:
    void SetUp() override { fx.Describe("frmLabelled", kLabelledWindow); }

    // The name of the control Alt with `key` goes to; "" for none.
    std::string AltGoesTo(char key) {
        Control* target = LabelledByMnemonic(window, static_cast<unsigned char>(key));
        return target ? target->Name() : "";
    }

    FormsFixture fx;
    Form window{"frmLabelled"};
};

}  // namespace

TEST(MnemonicOf, TheLetterAfterTheFirstSingleAmpersandInUpperCase) {
    EXPECT_EQ(MnemonicOf("&Size"), 'S');
    EXPECT_EQ(MnemonicOf("Si&ze"), 'Z');
    EXPECT_EQ(MnemonicOf("&1 row"), '1');
    EXPECT_EQ(MnemonicOf("&Open &Close"), 'O');
    // "&&" is an ampersand of the text, never a mark, wherever it stands.
    EXPECT_EQ(MnemonicOf("Tom && Jerry"), 0);
    EXPECT_EQ(MnemonicOf("Tom && &jerry"), 'J');
    EXPECT_EQ(MnemonicOf("&&&Both"), 'B');
    EXPECT_EQ(MnemonicOf("&&&&"), 0);
    EXPECT_EQ(MnemonicOf("Ends&"), 0);
    EXPECT_EQ(MnemonicOf(""), 0);
}

TEST_F(Mnemonics, AltGoesToWhatFollowsTheLabelInTabOrder) {
    window.Load();
    // Past the label without a mark, which takes no focus either.
    EXPECT_EQ(AltGoesTo('S'), "txtSize");
    EXPECT_EQ(AltGoesTo('J'), "txtBoth");
    // A frame marks for the first control inside it.
    EXPECT_EQ(AltGoesTo('U'), "optFeet");
}

TEST_F(Mnemonics, NothingMarksWhatAPersonCannotSeeAsAMark) {
    window.Load();
    EXPECT_EQ(AltGoesTo('P'), "");  // the label shows its ampersand
    EXPECT_EQ(AltGoesTo('G'), "");  // the label is hidden
    EXPECT_EQ(AltGoesTo('T'), "");  // "&&" marks nothing
    EXPECT_EQ(AltGoesTo('N'), "");  // no mark at all
    EXPECT_EQ(AltGoesTo('O'), "");  // a button's mark is its own, not a label's
    EXPECT_EQ(LabelledByMnemonic(window, 0), nullptr);
    EXPECT_EQ(LabelledByMnemonic(window, 0x80 + 'S'), nullptr);
    window.ControlNamed("lblGone").SetVisible(true);
    EXPECT_EQ(AltGoesTo('G'), "txtGone");
}

TEST_F(Mnemonics, AnUnloadedWindowHasNoMarks) {
    EXPECT_EQ(AltGoesTo('S'), "");
    EXPECT_FALSE(window.IsLoaded());
}
