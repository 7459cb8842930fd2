#include <string>
#include <vector>

#include "core/SignEvents.h"
#include "editor/SignEventsToWindows.h"
#include "platform/os/Settings.h"
#include "tests/core/sign/SignFixture.h"

using zomel::frmMain;
using zomel::MainForm;

namespace {

std::string SavedUnit(const std::string& key) {
    return os::GetSetting("ZomelBuilder", "Units", key, "<none>");
}

// A subscriber in place of the windows for one test; the windows subscribe again after it.
// Each turn notes the sign's width at that moment.
class RecordingEvents : public zomel::SignEvents {
public:
    explicit RecordingEvents(const zomel::Sign& sign) : sign_(sign) {
        zomel::SubscribeSignEvents(this);
    }
    ~RecordingEvents() { zomel::SubscribeWindowsToSign(); }

    void CharSizeUnitChanged() override { told.push_back("unit"); }
    void HighDensityChanged(vb::Integer value) override {
        told.push_back("density " + std::to_string(value));
    }
    void ModelNumberChanged(const std::string& value) override { told.push_back("model " + value); }
    void SizesChanged() override { told.push_back("sizes"); }
    void VerticalChanged(vb::Integer value) override {
        told.push_back("vertical " + std::to_string(value));
        widths.push_back(sign_.SignWidth());
    }

    std::vector<std::string> told;
    std::vector<double> widths;

private:
    const zomel::Sign& sign_;
};

}  // namespace

TEST_F(SignTest, TheSubscriberIsToldEachChangeInTheOrderTheSignMakesIt) {
    RecordingEvents events(sign);
    sign.SetVertical(vb::True);
    sign.SetHighDensity(5);
    sign.SetModelNumber("AF1-2S2A4-1003H");
    sign.SetCharSizeUnit("cm");
    sign.SetSegmentType(zomel::LayoutKind::LineMatrix);
    const std::vector<std::string> expected = {
        "sizes", "vertical -1", "density -1", "model AF1-2S2A4-1003H", "unit", "sizes"};
    EXPECT_EQ(events.told, expected);

    MainForm = nullptr;  // before start-up has made the main window nobody is told
    events.told.clear();
    sign.SetXZomelCount(3);
    sign.SetVertical(vb::False);
    EXPECT_TRUE(events.told.empty());
}

TEST_F(SignTest, CharSizeUnitSetsHeightsByOrientationAndSavesTheUnit) {
    sign.SetCharSizeUnit("in");
    EXPECT_EQ(sign.CharSizeUnit(), "in");
    EXPECT_EQ(SavedUnit("CharSizeUnit"), "in");
    EXPECT_DOUBLE_EQ(sign.CharHeight(), 7.0);
    EXPECT_DOUBLE_EQ(sign.CharHeightCust1(), 1.601);
    EXPECT_DOUBLE_EQ(sign.CharHeightCust2(), 2.468);

    sign.SetVertical(vb::True);
    sign.SetCharSizeUnit("cm");
    EXPECT_DOUBLE_EQ(sign.CharHeight(), 4.22);
    EXPECT_DOUBLE_EQ(sign.CharHeightCust1(), 4.359);
    EXPECT_DOUBLE_EQ(sign.CharHeightCust2(), 6.581);

    // An unknown unit is kept and saved, but the heights stay.
    sign.SetCharSizeUnit("mm");
    EXPECT_EQ(SavedUnit("CharSizeUnit"), "mm");
    EXPECT_DOUBLE_EQ(sign.CharHeight(), 4.22);
    EXPECT_DOUBLE_EQ(sign.CharHeightCust2(), 6.581);

    sign.SetCharSizeUnit("pix");
    EXPECT_DOUBLE_EQ(sign.CharHeight(), 1.0);
    EXPECT_DOUBLE_EQ(sign.CharHeightCust1(), 1.0);
    EXPECT_DOUBLE_EQ(sign.CharHeightCust2(), 1.0);
}

TEST_F(SignTest, LengthAndWeightUnitsAreSaved) {
    EXPECT_EQ(SavedUnit("LengthUnit"), "<none>");
    sign.SetLengthUnit("m");
    sign.SetWeightUnit("kg");
    EXPECT_EQ(SavedUnit("LengthUnit"), "m");
    EXPECT_EQ(SavedUnit("WeightUnit"), "kg");
    sign.SetLengthUnit("cm");
    EXPECT_EQ(SavedUnit("LengthUnit"), "cm");
}

TEST_F(SignTest, ModelNumberGoesIntoTheMainWindowBox) {
    sign.SetModelNumber("AF1-2S2A4-1003H");
    EXPECT_EQ(sign.ModelNumber(), "AF1-2S2A4-1003H");
    EXPECT_EQ(MainForm->txtModel->Text(), "AF1-2S2A4-1003H");
}

TEST_F(SignTest, HighDensityIsCopiedToTheMainWindow) {
    sign.SetHighDensity(vb::False);
    EXPECT_EQ(sign.HighDensity(), vb::False);
    EXPECT_EQ(MainForm->HighDensity, vb::False);
    sign.SetHighDensity(1);  // any non-zero value is True
    EXPECT_EQ(sign.HighDensity(), vb::True);
    EXPECT_EQ(MainForm->HighDensity, vb::True);
}

TEST_F(SignTest, OrientationIsToldOnceAfterTheRecomputation) {
    RecordingEvents events(sign);
    sign.SetLengthUnit("in");
    events.told.clear();

    sign.SetVertical(vb::True);
    sign.SetVertical(vb::True);
    sign.SetVertical(1);
    EXPECT_EQ(events.told, (std::vector<std::string>{"sizes", "vertical -1"}));
    ASSERT_EQ(events.widths.size(), 1u);
    EXPECT_NEAR(events.widths[0], 285.0, kTolerance);  // already vertical: 20 x 13.75 + 10

    sign.SetVertical(vb::False);
    ASSERT_EQ(events.widths.size(), 2u);
    EXPECT_EQ(events.told.back(), "vertical 0");
    EXPECT_NEAR(events.widths[1], 395.0, kTolerance);
}

TEST_F(SignTest, CharacterSegmentedTurnsVerticalWithoutTheOrientationCommand) {
    RecordingEvents events(sign);
    sign.SetSegmentType(zomel::LayoutKind::CharacterSegmented);
    EXPECT_EQ(sign.Vertical(), vb::True);
    EXPECT_EQ(events.told, std::vector<std::string>{"sizes"});
    // Already vertical: asking for it again tells nothing either.
    sign.SetVertical(vb::True);
    EXPECT_EQ(events.told.size(), 1u);
}

TEST_F(SignTest, TheMainWindowRunsItsOrientationCommandWhenTheSignTurns) {
    MainForm->Load();
    sign.SetVertical(vb::True);
    EXPECT_EQ(MainForm->ChkVertical->Value(), 1);
    sign.SetVertical(vb::False);
    EXPECT_EQ(MainForm->ChkVertical->Value(), 0);
}

TEST_F(SignTest, ApprovalMarksMakeTheApprovalDigit) {
    EXPECT_EQ(sign.ApprovalChar(), "0");
    sign.SetCE(vb::True);
    EXPECT_EQ(sign.ApprovalChar(), "1");
    sign.SetUL(vb::True);
    EXPECT_EQ(sign.ApprovalChar(), "3");
    EXPECT_EQ(sign.CE(), vb::True);
    EXPECT_EQ(sign.UL(), vb::True);
    EXPECT_EQ(sign.ValidApprovalCode(), vb::True);
    sign.SetCE(vb::False);
    EXPECT_EQ(sign.ApprovalChar(), "2");
    EXPECT_EQ(sign.CE(), vb::False);
    EXPECT_EQ(sign.ValidApprovalCode(), vb::True);
}

TEST_F(SignTest, WithoutMainWindowTheWindowsAreLeftAlone) {
    MainForm = nullptr;
    sign.SetModelNumber("AF0-2H2A4-0101V");
    sign.SetHighDensity(vb::False);
    sign.SetCharSizeUnit("in");
    sign.SetLengthUnit("in");
    sign.SetVertical(vb::True);
    EXPECT_EQ(sign.ModelNumber(), "AF0-2H2A4-0101V");
    EXPECT_NEAR(sign.SignWidth(), 285.0, kTolerance);
    EXPECT_FALSE(forms::Instance<frmMain>().IsLoaded());
    EXPECT_EQ(forms::Instance<frmMain>().HighDensity, vb::True);
}

TEST_F(SignTest, MaxColumnsIsStoredOnly) {
    sign.SetLengthUnit("in");
    sign.SetMaxColumns(12);
    EXPECT_EQ(sign.MaxColumns(), 12);
    EXPECT_EQ(sign.XZomelCount(), 20);
    EXPECT_NEAR(sign.SignWidth(), 395.0, kTolerance);
}
