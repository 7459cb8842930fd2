// The control's events as its host hears them: a person's clicks and mouse actions on the
// display, the icon and the captions come through in that element's own coordinates and
// scale; what falls on the control around them comes in the control's twips.
#include <cmath>

#include "tests/signctl/SignFixture.h"

namespace {

struct Heard {
    std::string event;
    com::Args args;
};

class SignEvents : public SignTest {
protected:
    SignEvents() {
        com::Advise(*sign, [this](std::string_view event, com::Args& args) {
            heard.push_back({std::string(event), args});
        });
        sign->SetExtent(6000, 2400);
        Put("Top1", "LANE CLOSED");
        Put("Bot1", "AHEAD");
    }

    // A person presses the left button at (x, y) twips of the control, lets go and clicks.
    void ClickAt(vb::Single x, vb::Single y) {
        for (const char* event : {"MouseDown", "MouseUp"}) {
            com::Args args{vb::Integer{1}, vb::Integer{0}, x, y};
            sign->Input(event, args);
        }
        com::Args none;
        sign->Input("Click", none);
    }

    // Twips of the control at pixel `n` of a child drawn from `edge` twips (children are
    // drawn from the whole pixel nearest their edge).
    static vb::Single AtPixel(vb::Single edge, int n) {
        return static_cast<vb::Single>((std::lround(edge / 15) + n) * 15);
    }
    static vb::Single X(const Heard& h) { return h.args.at(2).ToSingle(); }
    static vb::Single Y(const Heard& h) { return h.args.at(3).ToSingle(); }

    std::vector<Heard> heard;
};

TEST_F(SignEvents, TheDisplayReportsInItsOwnPixels) {
    const forms::PictureBox& display = sign->Display();
    ASSERT_TRUE(display.Visible());
    ASSERT_EQ(display.ScaleMode(), forms::vbPixels);
    ClickAt(AtPixel(display.Left(), 7), AtPixel(display.Top(), 3));
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_EQ(heard[0].event, "MouseDown");
    EXPECT_FLOAT_EQ(X(heard[0]), 7);
    EXPECT_FLOAT_EQ(Y(heard[0]), 3);
    EXPECT_EQ(heard[0].args[0], vb::Variant(vb::Integer{1})) << "button and shift unchanged";
    EXPECT_EQ(heard[1].event, "MouseUp");
    EXPECT_EQ(heard[2].event, "Click");
    EXPECT_TRUE(heard[2].args.empty());
}

TEST_F(SignEvents, CaptionsReportInTwipsFromTheirCorner) {
    const forms::Label& top = sign->Caption(0);
    const forms::Label& bottom = sign->Caption(2);
    ASSERT_TRUE(top.Visible());
    ASSERT_TRUE(bottom.Visible());
    ClickAt(top.Left() + 30, top.Top() + 60);
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_FLOAT_EQ(X(heard[0]), 30);
    EXPECT_FLOAT_EQ(Y(heard[0]), 60);
    heard.clear();
    com::Args move{vb::Integer{0}, vb::Integer{0}, bottom.Left() + 45, bottom.Top()};
    sign->Input("MouseMove", move);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_FLOAT_EQ(X(heard[0]), 45);
    EXPECT_FLOAT_EQ(Y(heard[0]), 0);
}

TEST_F(SignEvents, TheIconReportsWhenItIsShown) {
    auto icon = std::make_shared<gdi::Picture>(gdi::Bitmap(32, 32));
    com::PutRef(*sign, "Icon", vb::ToVariant(icon));
    forms::Image* image = nullptr;
    for (const auto& child : sign->Children())
        if (child->Name() == "imgIcon") image = dynamic_cast<forms::Image*>(child.get());
    ASSERT_NE(image, nullptr);
    ASSERT_TRUE(image->Visible());
    com::Args press{vb::Integer{2}, vb::Integer{1}, image->Left() + 15, image->Top() + 15};
    sign->Input("MouseDown", press);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_FLOAT_EQ(X(heard[0]), 15);
    EXPECT_FLOAT_EQ(Y(heard[0]), 15);
}

TEST_F(SignEvents, TheControlAroundItsElementsReportsInItsOwnTwips) {
    // The bottom right corner: below the display, beside the bottom caption, no hidden
    // caption or shape in the way.
    const vb::Single x = sign->Width() - 30;
    const vb::Single y = sign->Height() - 30;
    ClickAt(x, y);
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_FLOAT_EQ(X(heard[0]), x);
    EXPECT_FLOAT_EQ(Y(heard[0]), y);
    EXPECT_EQ(heard[2].event, "Click");
}

TEST_F(SignEvents, TheElementPressedKeepsTheMouseUntilReleased) {
    const forms::PictureBox& display = sign->Display();
    const forms::Label& top = sign->Caption(0);
    com::Args down{vb::Integer{1}, vb::Integer{0}, AtPixel(display.Left(), 1),
                   AtPixel(display.Top(), 1)};
    sign->Input("MouseDown", down);
    // Dragged onto the top caption with the button held: still the display's, in its pixels.
    com::Args drag{vb::Integer{1}, vb::Integer{0}, top.Left() + 15, top.Top() + 15};
    sign->Input("MouseMove", drag);
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_FLOAT_EQ(X(heard[1]), (top.Left() + 15) / 15 - std::lround(display.Left() / 15));
    EXPECT_FLOAT_EQ(Y(heard[1]), (top.Top() + 15) / 15 - std::lround(display.Top() / 15));
    EXPECT_LT(Y(heard[1]), 0) << "the caption lies above the display";
}

TEST_F(SignEvents, ElementsThatAreNoTargetRelayNothing) {
    // The hidden canvas and the timer are the control's own business.
    for (const auto& child : sign->Children()) {
        if (child->Name() != "TempPic" && child->Name() != "Timer1") continue;
        forms::EventArgs none;
        child->RaiseEvent("Click", none);
    }
    EXPECT_TRUE(heard.empty());
    forms::EventArgs none;
    sign->Display().RaiseEvent("DblClick", none);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].event, "DblClick");
}

}  // namespace
