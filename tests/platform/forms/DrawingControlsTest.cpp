// Timers on the headless host's clock, picture boxes, property bags and user controls.
#include <gtest/gtest.h>

#include "platform/forms/PictureBox.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/Timer.h"
#include "platform/forms/UserControl.h"
#include "tests/platform/forms/TestWindows.h"
#include "tests/support/ErrorNumber.h"

using namespace forms;

namespace {

class TimerWindow : public Form {
public:
    TimerWindow() : Form("frmTimers") {
        On("tmrFast", "Timer", [this](Control&, EventArgs&) { ticks.push_back("fast"); });
        On("tmrSlow", "Timer", [this](Control& c, EventArgs&) {
            ticks.push_back("slow");
            // A handler may stop its own timer.
            if (ticks.size() > 4) c.SetEnabled(false);
        });
    }
    std::vector<std::string> ticks;
};

TEST(Timers, TheVirtualClockFiresDueTimersInOrder) {
    FormsFixture fx;
    fx.Describe("frmTimers", R"({ "Controls": [
        { "Type": "Timer", "Name": "tmrSlow", "Interval": 300 },
        { "Type": "Timer", "Name": "tmrFast", "Interval": 200 },
        { "Type": "Timer", "Name": "tmrOff", "Interval": 100, "Enabled": false } ] })");
    auto& window = Instance<TimerWindow>();
    window.Load();
    fx.host.AdvanceTime(599);
    EXPECT_EQ(window.ticks, (std::vector<std::string>{"fast", "slow", "fast"}));
    fx.host.AdvanceTime(1);
    EXPECT_EQ(window.ticks.back(), "fast") << "at 600 the slow timer started first fires first";
    EXPECT_EQ(window.ticks[window.ticks.size() - 2], "slow");
    EXPECT_EQ(fx.host.Now(), 600);
    fx.host.AdvanceTime(1000);
    EXPECT_EQ(std::count(window.ticks.begin(), window.ticks.end(), "slow"), 3)
        << "the slow timer stopped itself";
    auto& off = window.ControlAs<Timer>("tmrOff");
    EXPECT_FALSE(fx.host.IsTimerRunning(off));
    off.SetEnabled(true);
    EXPECT_TRUE(fx.host.IsTimerRunning(off));
    window.Unload();
    const std::size_t ticksAtUnload = window.ticks.size();
    fx.host.AdvanceTime(1000);
    EXPECT_EQ(window.ticks.size(), ticksAtUnload) << "the window's timers went with its controls";
    // The timer of the window loaded again is a new one, as designed.
    auto& again = window.ControlAs<Timer>("tmrOff");
    EXPECT_FALSE(fx.host.IsTimerRunning(again));
    EXPECT_THROW(again.SetInterval(70000), vb::VbError);
}

TEST(Timers, ANewIntervalRestartsTheCount) {
    FormsFixture fx;
    Form surface("frmSurface");
    Timer timer(surface, "Timer", "tmr", -1);
    int ticks = 0;
    timer.OnTimer([&] { ++ticks; });
    timer.SetInterval(100);
    fx.host.AdvanceTime(90);
    timer.SetInterval(100);
    fx.host.AdvanceTime(90);
    EXPECT_EQ(ticks, 0);
    fx.host.AdvanceTime(10);
    EXPECT_EQ(ticks, 1);
    timer.SetInterval(0);
    fx.host.AdvanceTime(1000);
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(timer.Running());
}

class PictureBoxes : public ::testing::Test {
protected:
    FormsFixture fx;
    Form surface{"frmSurface"};
    PictureBox box{surface, "PictureBox", "pic", -1};
};

TEST_F(PictureBoxes, TheImageIsTheInnerAreaInPixels) {
    box.Move(0, 0, 300, 150);
    EXPECT_EQ(box.Surface().Width(), 20 - 4) << "a sunken border of 2 pixels";
    EXPECT_EQ(box.ScaleWidth(), 16 * 15);
    box.Let("Appearance", vb::Integer{0});
    box.SetBorderStyle(0);
    box.SetScaleMode(vbPixels);
    EXPECT_EQ(box.ScaleWidth(), 20);
    EXPECT_EQ(box.ScaleHeight(), 10);
    EXPECT_THROW(box.SetScaleMode(0), vb::VbError);
}

TEST_F(PictureBoxes, DrawingPersistsUntilClsAndTheImageIsASnapshot) {
    box.SetBorderStyle(0);
    box.Move(0, 0, 60, 30);
    box.SetBackColor(0x0000FF);
    EXPECT_EQ(box.Surface().At(3, 1), gdi::Rgb(255, 0, 0));
    box.hDC().SetPixel(1, 1, gdi::kWhite);
    gdi::PictureRef snapshot = box.Image();
    box.Cls();
    EXPECT_EQ(box.Surface().At(1, 1), gdi::Rgb(255, 0, 0));
    EXPECT_EQ(snapshot->Image().At(1, 1), gdi::kWhite);
    // The picture is the background that Cls comes back to.
    box.SetPicture(std::make_shared<gdi::Picture>(gdi::Bitmap(2, 2, gdi::kWhite)));
    box.hDC().SetPixel(3, 1, gdi::kBlack);
    box.Cls();
    EXPECT_EQ(box.Surface().At(1, 1), gdi::kWhite);
    EXPECT_EQ(box.Surface().At(3, 1), gdi::Rgb(255, 0, 0));
}

TEST_F(PictureBoxes, RefreshShowsTheImageAndAsksForPaintWithoutAutoRedraw) {
    struct View : ControlView {
        std::vector<std::string> names;
        void PropertyChanged(Control&, std::string_view name) override { names.emplace_back(name); }
    } view;
    box.SetView(&view);
    box.Refresh();
    box.SetAutoSize(true);
    box.SetPicture(std::make_shared<gdi::Picture>(gdi::Bitmap(10, 5)));
    EXPECT_EQ(box.Surface().Width(), 10);
    EXPECT_EQ(view.names.front(), "Image");
    EXPECT_EQ(box.Get("Picture").ToObject(), box.Picture());
    EXPECT_EQ(ErrorNumber([&] { box.Let("Picture", "missing.bmp"); }), vb::err::kFileNotFound);
}

TEST(PropertyBags, AWriteEqualToItsDefaultLeavesTheNameAlone) {
    PropertyBag bag;
    bag.WriteProperty("Interval", vb::Long{1000}, vb::Long{500});
    bag.WriteProperty("interval", vb::Integer{1000}, vb::Long{1000});
    EXPECT_EQ(bag.ReadProperty("INTERVAL", 7), vb::Variant(vb::Long{1000}));
    bag.WriteProperty("Flag", true, vb::Integer{-1});
    bag.WriteProperty("Name", "", "");
    EXPECT_EQ(bag.Count(), 1u);
    EXPECT_EQ(bag.ReadProperty("Missing", "fallback"), vb::Variant("fallback"));
    EXPECT_FALSE(SameValue(vb::Variant("1"), vb::Variant(vb::Integer{1})));
    EXPECT_TRUE(SameValue(vb::Variant(1.0f), vb::Variant(vb::Long{1})));
}

// A user control that records its lifecycle.
class Gauge : public UserControl {
public:
    Gauge() {
        needle = &AddChild<Shape>("Shape", "shpNeedle");
        needle->Move(15, 15, 60, 60);
        needle->Let("BorderColor", vb::Long{0x0000FF});
        SetDesignSize(150, 150);
    }
    std::vector<std::string> calls;
    Shape* needle = nullptr;

protected:
    void UserControl_InitProperties() override { calls.push_back("Init"); }
    void UserControl_ReadProperties(const PropertyBag& bag) override {
        calls.push_back("Read " + bag.ReadProperty("Value", 0).ToString());
    }
    void UserControl_WriteProperties(PropertyBag& bag) override {
        bag.WriteProperty("Value", vb::Integer{5}, vb::Integer{0});
    }
    void UserControl_Resize() override {
        calls.push_back("Resize " + std::to_string(static_cast<int>(Width())));
    }
};

TEST(UserControls, SizeSettersRaiseResizeInsideTheSet) {
    Gauge gauge;
    gauge.SetWidth(300);
    gauge.SetWidth(300);
    gauge.SetExtent(450, 150);
    EXPECT_EQ(gauge.calls, (std::vector<std::string>{"Resize 300", "Resize 450"}));
    EXPECT_THROW(gauge.SetHeight(-1), vb::VbError);
    gauge.InitNew();
    PropertyBag bag;
    gauge.Save(bag);
    gauge.Load(bag);
    EXPECT_EQ(gauge.calls.back(), "Read 5");
}

TEST(UserControls, TheSurfaceComposesTheVisibleChildren) {
    Gauge gauge;
    const gdi::Bitmap& surface = gauge.Surface();
    ASSERT_EQ(surface.Width(), 10);
    EXPECT_EQ(surface.At(1, 1), gdi::Rgb(255, 0, 0));
    EXPECT_EQ(surface.At(2, 2), gdi::GetSysColor(15));
    gauge.needle->SetVisible(false);
    EXPECT_EQ(gauge.Surface().At(1, 1), gdi::GetSysColor(15));
}

}  // namespace
