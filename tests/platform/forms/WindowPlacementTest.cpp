#include <gtest/gtest.h>

#include "platform/forms/Interaction.h"
#include "tests/platform/forms/TestWindows.h"

using namespace forms;

namespace {

class SizedWindow : public Form {
public:
    SizedWindow() : Form("frmSized") {}
    int resizes = 0;

protected:
    void Form_Resize() override { ++resizes; }
};

class DialogBox : public Form {
public:
    DialogBox() : Form("frmDialogBox") {}
};

// 15 twips to the pixel.
constexpr vb::Single Px(int pixels) {
    return static_cast<vb::Single>(pixels * 15);
}

}  // namespace

class WindowPlacement : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Describe("frmSized", R"({"Name": "frmSized", "Left": 1500, "Top": 1500,
            "Width": 9000, "Height": 6000, "Controls": []})");
        fx.Describe("frmDialogBox", R"({"Name": "frmDialogBox", "Width": 3000,
            "Height": 1500, "BorderStyle": 3, "StartUpPosition": 1, "Controls": []})");
        saved_ = Screen();
        Screen().SetSize(Px(1680), Px(1050));
        Screen().SetWorkArea(Px(0), Px(30), Px(1680), Px(1020));
    }
    void TearDown() override { Screen() = saved_; }

    FormsFixture fx;
    ScreenObject saved_;
    SizedWindow& sized = Instance<SizedWindow>();
    DialogBox& dialog = Instance<DialogBox>();
};

TEST_F(WindowPlacement, TheInnerAreaIsTheSizeLessTheFrameAndBarsAround) {
    sized.Load();
    // Assumed until the screen says: 4 pixels of border and a 23 pixel caption.
    EXPECT_EQ(sized.ScaleWidth(), 9000 - Px(8));
    EXPECT_EQ(sized.ScaleHeight(), 6000 - Px(31));
    // Not shown yet: the window keeps the room its description gives the controls.
    sized.SetFrame({Px(1), Px(20 + 48), Px(1), Px(5)});
    EXPECT_EQ(sized.ScaleWidth(), 9000 - Px(8));
    EXPECT_EQ(sized.ScaleHeight(), 6000 - Px(31));
    EXPECT_EQ(sized.Width(), 9000 - Px(8) + Px(2));
    EXPECT_EQ(sized.Height(), 6000 - Px(31) + Px(73));
    EXPECT_EQ(sized.resizes, 0);
}

TEST_F(WindowPlacement, AShownSizableWindowKeepsItsSizeAndItsControlsGetTheRoom) {
    sized.Show();
    sized.Move(Px(10), Px(20), Px(800), Px(600));
    sized.resizes = 0;
    // The toolbar goes away: the window keeps its size, the inner area grows.
    sized.SetFrame({Px(1), Px(20 + 22), Px(1), Px(5)});
    EXPECT_EQ(sized.Width(), Px(800));
    EXPECT_EQ(sized.Height(), Px(600));
    EXPECT_EQ(sized.ScaleWidth(), Px(798));
    EXPECT_EQ(sized.ScaleHeight(), Px(600 - 47));
    EXPECT_EQ(sized.resizes, 1);
    // The same frame again changes nothing.
    sized.SetFrame({Px(1), Px(20 + 22), Px(1), Px(5)});
    EXPECT_EQ(sized.resizes, 1);
}

TEST_F(WindowPlacement, AFixedWindowKeepsItsInnerRoomWhenShown) {
    dialog.Show();
    vb::Single inner = dialog.ScaleHeight();
    dialog.SetFrame({Px(1), Px(20), Px(1), Px(5)});
    EXPECT_EQ(dialog.ScaleHeight(), inner);
    EXPECT_EQ(dialog.Height(), inner + Px(25));
}

TEST_F(WindowPlacement, ADialogOpensCentredOnItsOwner) {
    sized.Show();
    sized.Move(Px(100), Px(200), Px(800), Px(600));
    dialog.Show(ShowStyle::Modeless, &sized);
    EXPECT_EQ(dialog.Left() + dialog.Width() / 2, Px(100 + 400));
    EXPECT_EQ(dialog.Top() + dialog.Height() / 2, Px(200 + 300));
    // Moved by the person, hidden and shown again: it stays where it was put.
    dialog.Move(Px(5), Px(40), dialog.Width(), dialog.Height());
    dialog.Hide();
    dialog.Show(ShowStyle::Modeless, &sized);
    EXPECT_EQ(dialog.Left(), Px(5));
    // Loaded afresh, the start-up position holds again.
    dialog.Unload();
    dialog.Show(ShowStyle::Modeless, &sized);
    EXPECT_EQ(dialog.Left() + dialog.Width() / 2, Px(500));
}

TEST_F(WindowPlacement, WithoutAnOwnerADialogOpensCentredOnTheWorkArea) {
    dialog.Show();
    EXPECT_EQ(dialog.Left() + dialog.Width() / 2, Px(840));
    EXPECT_EQ(dialog.Top() + dialog.Height() / 2, Px(30 + 510));
}

TEST_F(WindowPlacement, ADialogCentredOnAnOwnerAtTheScreensEdgeStaysOnTheWorkArea) {
    sized.Show();
    sized.Move(Px(-300), Px(-100), Px(400), Px(200));
    dialog.Show(ShowStyle::Modeless, &sized);
    EXPECT_EQ(dialog.Left(), 0);
    EXPECT_EQ(dialog.Top(), Px(30));
}

TEST_F(WindowPlacement, AManuallyPlacedWindowOpensWhereItsCodePutIt) {
    sized.Load();
    sized.Move(Px(3), Px(4), Px(500), Px(400));
    sized.Show();
    EXPECT_EQ(sized.Left(), Px(3));
    EXPECT_EQ(sized.Top(), Px(4));
}
