#include "app/Main.h"
#include "core/Catalogue.h"
#include "core/Diagnostics.h"
#include "core/PriceLoad.h"
#include "editor/frmSplash.h"
#include "platform/forms/Interaction.h"
#include "platform/vb/Error.h"
#include "tests/core/startup/StartupFixture.h"

using namespace zomel;

class Diagnostics : public StartupTest {
protected:
    void SetUp() override {
        StartupTest::SetUp();
        path = env.Root() + "diag.txt";
        ASSERT_TRUE(OpenLog(path));
    }
    std::string path;
};

TEST_F(Diagnostics, ReportErrorLogsShowsTheBoxAndClears) {
    vb::ResumeNext([] { vb::Raise(53, "File not found", ""); });
    vb::Err().Source = "";
    ReportError("Main - Load");
    EXPECT_EQ(vb::Err().Number, 0);
    auto lines = LogLines(path);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].ends_with(
        " - Function [Main - Load] had error number [53], File not found source []"))
        << lines[0];
    // The line begins with the date and time.
    EXPECT_EQ(lines[0].substr(0, LogTimestamp().size()).size(), 19u);
    EXPECT_EQ(lines[0][4], '-');
    ASSERT_EQ(host.Messages().size(), 1u);
    const auto& box = host.Messages()[0];
    EXPECT_EQ(box.prompt,
              "An unexpected error has occurred in Main - Load\r#, 53, File not found\r");
    EXPECT_EQ(box.style, 64);
    EXPECT_EQ(box.title, "VELDO ZOMELBuilder");
}

TEST_F(Diagnostics, LogErrorIsSilent) {
    vb::ResumeNext([] { vb::Raise(vb::err::kOverflow); });
    LogError("Load Options - Row");
    EXPECT_EQ(vb::Err().Number, 0);
    EXPECT_TRUE(host.Messages().empty());
    auto lines = LogLines(path);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(
        lines[0].find("[Load Options - Row] had error number [6], Overflow source [ZomelBuilder]"),
        std::string::npos);
}

TEST_F(Diagnostics, QuotesInsideTheTextAreWrittenAsTheyAre) {
    DebugLevel = 3;
    LogLine("say \"hi\"");
    EXPECT_TRUE(LogLines(path).at(0).ends_with(" Log -> say \"hi\""));
}

TEST_F(Diagnostics, F12OnAWindowLogsAtAnyLevelAndShowsItsNumber) {
    auto& splash = forms::Instance<frmSplash>();
    splash.KeyUp(forms::vbKeyF12, 0);
    auto lines = LogLines(path);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].ends_with(
        " - F12 from this form Splash has number [115] and normal caption - Splash"));
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].prompt, "Splash #115");
    EXPECT_EQ(host.Messages()[0].style, forms::vbInformation);
    EXPECT_EQ(host.Messages()[0].title, forms::App().Title);
    splash.KeyUp(forms::vbKeyF1, 0);
    EXPECT_EQ(host.Messages().size(), 1u);
}

TEST_F(Diagnostics, TraceOfAnUnknownCaptionIsLoggedNotRaised) {
    DebugLevel = 2;
    vb::ResumeNext([] { vb::Raise(vb::err::kOverflow); });
    EXPECT_NO_THROW(TraceForm("Nowhere", 99999, true));
    EXPECT_EQ(vb::Err().Number, vb::err::kOverflow) << "the caller's error is left alone";
    auto lines = LogLines(path);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("[Trace form Nowhere] had error number [326], Resource with "
                            "identifier '99999' not found"),
              std::string::npos)
        << lines[0];
    EXPECT_TRUE(lines[1].ends_with(" Enter form -> Nowhere translated as ''")) << lines[1];
    DebugLevel = 0;
    EXPECT_NO_THROW(TraceForm("Nowhere", 99999, true));  // below its level it looks nothing up
    EXPECT_EQ(LogLines(path).size(), 2u);
}

TEST_F(Diagnostics, WritersWithoutALogWriteNowhere) {
    CloseLog();
    DebugLevel = 9;
    vb::ResumeNext([] { vb::Raise(5); });
    EXPECT_NO_THROW(LogError("x"));
    EXPECT_NO_THROW(LogLine("y"));
    EXPECT_NO_THROW(DebugTrace("f", 1, "t", "s"));
}

TEST_F(Diagnostics, SplashShowsTheVersionAndTitle) {
    auto& splash = forms::Instance<frmSplash>();
    splash.Load();
    EXPECT_EQ(splash.ControlNamed("lblVersion").Get("Caption").ToString(), "Version 1.0.0");
    EXPECT_EQ(splash.ControlNamed("lblProductName").Get("Caption").ToString(), forms::App().Title);
}

TEST_F(Diagnostics, PriceLoadErrorsNameTheFailingRow) {
    gBaseCount = 2;
    gBaseParts(2) = OptionRecord{};
    gBaseParts(2).Name = "ZOMEL module";
    gBaseParts(2).PartNo = "ZM-1000";
    gBaseParts(2).Price = "$1,250.50";
    gBaseParts(2).Cost = 1250.5f;
    gBaseParts(2).Info = "Base";
    gBaseParts(2).Type = "Zomel";
    gBaseParts(2).Package = 3;
    gOptions(7) = OptionRecord{};
    gOptions(7).Name = "Photocell";
    gOptions(7).Cost = 95;
    gPriceLoad.RowIndex = vb::Long{2};
    LogPriceLoadError();
    gPriceLoad.RowIndex = vb::Long{3};
    gPriceLoad.OptionIndex = vb::Long{7};
    LogPriceLoadError();
    gPriceLoad.OptionIndex =
        vb::Long{500};  // beyond the table: the line is dropped, nothing raised
    EXPECT_NO_THROW(LogPriceLoadError());
    auto lines = LogLines(path);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].ends_with(
        " - Function [Load Prices] error with base(2) name=ZOMEL module part#=ZM-1000 "
        "price=$1,250.50 cost=1250.5 info=Base type=Zomel set=3"))
        << lines[0];
    EXPECT_TRUE(lines[1].ends_with(
        " - Function [Load Prices] error with option(7) name=Photocell part#= price= cost=95 "
        "info= type= set=0"))
        << lines[1];
    EXPECT_EQ(vb::Err().Number, 0);
}
