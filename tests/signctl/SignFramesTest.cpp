// The frame store, text frames, animation on the virtual clock, and what the display shows.
#include <cmath>

#include "platform/gdi/DeviceContext.h"
#include "tests/signctl/SignFixture.h"

namespace {

class Frames : public SignTest {
protected:
    Frames() { sign->SetExtent(100 * 15 + 202, 3000); }

    std::shared_ptr<gdi::Picture> Shown() { return sign->BitmapMask(); }
    bool AddText(const std::string& text, int width, int height, int perRow, int rows, int font = 0,
                 const std::string& name = "T") {
        com::Args args{text,
                       name,
                       vb::Integer(width),
                       vb::Integer(height),
                       vb::Integer(perRow),
                       vb::Integer(rows),
                       vb::Integer(font)};
        return com::Call(*sign, "AddTextFrame", args).ToBool();
    }
    // What TextOutA draws for each piece, white on black, on a bitmap of the frame's size.
    static gdi::Bitmap Expected(const gdi::Picture& frame, const char* face,
                                std::vector<std::tuple<int, int, std::string>> pieces) {
        gdi::Bitmap image(frame.PixelWidth(), frame.PixelHeight(), gdi::kBlack);
        gdi::DeviceContext dc(image);
        dc.SelectObject(gdi::Font{face, 6});
        dc.SetTextColor(gdi::kWhite);
        for (const auto& [x, y, text] : pieces)
            dc.TextOutA(x, y, text);
        return image;
    }
    static int Differences(const gdi::Bitmap& a, const gdi::Bitmap& b) {
        int count = 0;
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                count += a.At(x, y) != b.At(x, y);
        return count;
    }
};

TEST_F(Frames, OneFrameIsShownTwoStartTheAnimation) {
    auto first = Frame({"#."});
    auto second = Frame({".#"});
    EXPECT_TRUE(AddFrame(first, "A"));
    EXPECT_EQ(Shown(), first);
    EXPECT_EQ(Get("Animate"), vb::Variant(false));
    EXPECT_TRUE(AddFrame(second, "B"));
    EXPECT_EQ(Shown(), second);
    EXPECT_EQ(Get("Animate"), vb::Variant(true));
    EXPECT_EQ(Get("FrameCount"), vb::Variant(vb::Integer{2}));
    host.AdvanceTime(1000);
    EXPECT_EQ(Shown(), first) << "the first tick shows frame 1";
}

TEST_F(Frames, TicksCycleInStoreOrderAndRestartAfterAClear) {
    std::vector<gdi::PictureRef> frames{Frame({"#"}), Frame({"."}), Frame({"#"})};
    for (std::size_t i = 0; i < frames.size(); ++i)
        AddFrame(frames[i], "F" + std::to_string(i));
    Put("AnimationInterval", vb::Long{250});
    std::vector<std::size_t> order;
    for (int tick = 0; tick < 5; ++tick) {
        host.AdvanceTime(250);
        order.push_back(static_cast<std::size_t>(std::find(frames.begin(), frames.end(), Shown()) -
                                                 frames.begin()));
    }
    EXPECT_EQ(order, (std::vector<std::size_t>{0, 1, 2, 0, 1}));
    host.AdvanceTime(249);
    EXPECT_EQ(Shown(), frames[1]) << "nothing before the interval is up";

    EXPECT_EQ(com::Call(*sign, "ClearSign"), vb::Variant(false));
    EXPECT_EQ(Shown(), nullptr);
    AddFrame(frames[2], "X");
    AddFrame(frames[1], "Y");
    host.AdvanceTime(250);
    EXPECT_EQ(Shown(), frames[2]);
}

TEST_F(Frames, AStoreOfOneStopsTheTimerAtItsNextTick) {
    AddFrame(Frame({"#"}), "A");
    Put("Animate", true);
    host.AdvanceTime(1000);
    EXPECT_EQ(Get("Animate"), vb::Variant(false));
    AddFrame(Frame({"."}), "B");
    sign->ClearSign();
    EXPECT_EQ(Get("Animate"), vb::Variant(true)) << "a clear leaves the timer to stop itself";
    host.AdvanceTime(1000);
    EXPECT_EQ(Get("Animate"), vb::Variant(false));
}

TEST_F(Frames, ATakenNameInAnyCaseChangesNothing) {
    auto first = Frame({"#"});
    AddFrame(first, "Image3");
    EXPECT_FALSE(AddFrame(Frame({"."}), "IMAGE3"));
    EXPECT_EQ(Get("FrameCount"), vb::Variant(vb::Integer{1}));
    EXPECT_EQ(Shown(), first);
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_EQ(Get("Animate"), vb::Variant(false));
}

TEST_F(Frames, WhatIsNoPictureIsNotStoredNorShown) {
    auto first = Frame({"#"});
    AddFrame(first, "A");
    vb::Variant text = "not a picture";
    vb::Variant name = "B";
    EXPECT_FALSE(sign->AddBMPFrame(text, name));
    EXPECT_EQ(Get("FrameCount"), vb::Variant(vb::Integer{1}));
    EXPECT_EQ(Shown(), first);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].title, "VELDOSign");
}

TEST_F(Frames, GetFrameReadsBackByPosition) {
    auto first = Frame({"#"});
    AddFrame(first, "A");
    AddFrame(Frame({"."}), "B");
    auto frame = [&](vb::Integer index) {
        return com::Call(*sign, "GetFrame", {vb::Variant(index)}).ToObject();
    };
    EXPECT_EQ(frame(0), nullptr);
    EXPECT_EQ(frame(3), nullptr);
    EXPECT_EQ(frame(1), first);
}

TEST_F(Frames, TextRowsWithoutGapsAreOneTextHeightApart) {
    ASSERT_TRUE(AddText("ABCDEF", 18, 16, 3, 2));
    auto frame = Shown();
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->PixelWidth(), 18);
    EXPECT_EQ(frame->PixelHeight(), 16);
    EXPECT_EQ(
        Differences(frame->Image(), Expected(*frame, "VELDO 5x7", {{0, 0, "ABC"}, {0, 8, "DEF"}})),
        0);
    sign->ClearSign();
    ASSERT_TRUE(AddText("ABCDE", 18, 16, 3, 2, 0, "U"));
    EXPECT_EQ(Differences(Shown()->Image(),
                          Expected(*Shown(), "VELDO 5x7", {{0, 0, "ABC"}, {0, 8, "DE"}})),
              0);
}

TEST_F(Frames, TextCellsFollowTheGapSettings) {
    Put("SegSepY", vb::Integer{3});
    Put("PixPerSegY", vb::Integer{12});
    ASSERT_TRUE(AddText("ABCD", 10, 24, 2, 2));
    // "D" is 6 by 8: cells 6 wide (no gap across) and 8 - 1 + 5 high.
    EXPECT_EQ(Differences(Shown()->Image(),
                          Expected(*Shown(), "VELDO 5x7",
                                   {{0, 0, "A"}, {6, 0, "B"}, {0, 12, "C"}, {6, 12, "D"}})),
              0);
    sign->ClearSign();
    Put("SegSepY", vb::Integer{0});
    Put("SegSepX", vb::Integer{3});
    Put("PixPerSegY", vb::Integer{8});
    ASSERT_TRUE(AddText("ABCD", 10, 16, 2, 2, 0, "U"));
    EXPECT_EQ(Differences(Shown()->Image(),
                          Expected(*Shown(), "VELDO 5x7",
                                   {{0, 0, "A"}, {5, 0, "B"}, {0, 8, "C"}, {5, 8, "D"}})),
              0);
}

TEST_F(Frames, FontNineSelectsTheNarrowLedFont) {
    for (int font : {9, 0, 1, 10}) {
        sign->ClearSign();
        ASSERT_TRUE(AddText("WM", 12, 8, 2, 1, font));
        const char* face = font == 9 ? "VELDO 4x7" : "VELDO 5x7";
        EXPECT_EQ(Differences(Shown()->Image(), Expected(*Shown(), face, {{0, 0, "WM"}})), 0)
            << font;
    }
}

TEST_F(Frames, ATextFrameOfNoSizeIsRefused) {
    EXPECT_FALSE(AddText("AB", 0, 8, 2, 1));
    EXPECT_FALSE(AddText("AB", 12, 0, 2, 1));
    EXPECT_EQ(Get("FrameCount"), vb::Variant(vb::Integer{0}));
}

// The display at zoom 1 (1-pixel squares, 1-pixel gaps, first square at 1).
class Display : public Frames {
protected:
    gdi::Color At(int x, int y) { return sign->Display().Surface().At(x, y); }
    static constexpr gdi::Color kGrey = gdi::Rgb(0x40, 0x40, 0x40);
    static constexpr gdi::Color kYellow = gdi::Rgb(255, 255, 0);
};

TEST_F(Display, LitAndUnlitLedsOnTheBackground) {
    Put("SegCountX", vb::Integer{1});
    Put("SegCountY", vb::Integer{1});
    Put("PixPerSegX", vb::Integer{2});
    Put("PixPerSegY", vb::Integer{1});
    Put("Zoom", 1.0f);
    Put("LEDOffColor", vb::Long{0x0000FF});
    AddFrame(Frame({"#.#."}), "A");
    Put("Zoom", 1.0f);
    ASSERT_EQ(sign->Display().Surface().Width(), 8);
    ASSERT_EQ(sign->Display().Surface().Height(), 2);
    const std::vector<gdi::Color> row{kGrey, kYellow, kGrey, gdi::Rgb(255, 0, 0),
                                      kGrey, kYellow, kGrey, gdi::Rgb(255, 0, 0)};
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(At(x, 0), kGrey) << x;
        EXPECT_EQ(At(x, 1), row[static_cast<std::size_t>(x)]) << x;
    }
    // The control's surface shows the display at its place.
    const gdi::Bitmap& surface = sign->Surface();
    const int left = static_cast<int>(std::lround(sign->Display().Left() / 15));
    const int top = static_cast<int>(std::lround(sign->Display().Top() / 15));
    EXPECT_EQ(surface.At(left + 1, top + 1), kYellow);
}

TEST_F(Display, ModuleGapsArePaintedInTheFaceColour) {
    Put("SegCountX", vb::Integer{2});
    Put("SegCountY", vb::Integer{1});
    Put("PixPerSegX", vb::Integer{2});
    Put("PixPerSegY", vb::Integer{1});
    Put("SegSepX", vb::Integer{3});
    Put("Zoom", 1.0f);
    AddFrame(Frame({"####"}), "A");
    Put("Zoom", 1.0f);
    Put("ZomelOutline", true);
    const gdi::Color face = gdi::GetSysColor(static_cast<int>(gdi::SystemColor::ButtonFace));
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(At(4, y), face);
        EXPECT_EQ(At(5, y), face);
    }
    EXPECT_EQ(At(3, 1), kYellow);
    EXPECT_EQ(At(7, 1), kYellow);
}

TEST_F(Display, NoLedsPerModuleSkipsTheModuleSteps) {
    Put("SegSepX", vb::Integer{3});
    Put("ZomelOutline", true);
    Put("PixPerSegX", vb::Integer{0});
    AddFrame(Frame({"#.#"}), "A");
    EXPECT_EQ(Get("FrameCount"), vb::Variant(vb::Integer{1}));
    EXPECT_TRUE(host.Messages().empty());
    const veldo::LedGrid grid{sign->LEDSize(), sign->LEDGap(), 0, 8, true, false};
    const gdi::Rect third = veldo::LedSquare(grid, 2, 0);
    EXPECT_EQ(At(third.left, third.top), kYellow);
}

TEST_F(Display, APictureLargerThanTheCanvasIsDrawnWithoutComplaint) {
    ASSERT_TRUE(AddText("A", 6, 8, 1, 1));  // a small canvas
    AddFrame(Frame({std::string(200, '#'), std::string(200, '.')}), "Big");
    Put("Animate", true);
    host.AdvanceTime(3000);
    EXPECT_TRUE(host.Messages().empty());
    // One-pixel LEDs: the whole picture reaches the display.
    ASSERT_EQ(sign->Display().Surface().Width(), 200);
    EXPECT_EQ(At(199, 0), kYellow);
    EXPECT_EQ(At(199, 1), gdi::kBlack);
}

TEST_F(Display, WithoutAPictureTheDisplayIsBlank) {
    AddFrame(Frame({"##"}), "A");
    com::PutRef(*sign, "BitmapMask", vb::Variant(vb::ObjectRef()));
    for (int x = 0; x < sign->Display().Surface().Width(); ++x)
        ASSERT_EQ(At(x, 1), kGrey) << x;
}

}  // namespace
