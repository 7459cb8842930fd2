// A window whose description cannot be used: it stays unloaded, and the error names the file.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/vb/Error.h"
#include "tests/platform/forms/TestWindows.h"
#include "tests/support/ErrorNumber.h"

using namespace forms;

namespace {

class FailedLoad : public ::testing::Test {
protected:
    std::string Path() const { return fx.app + "forms/frmRecording.json"; }

    // Loading, showing and touching a control all fail the same way and leave the window as
    // it was: unloaded, hidden, without controls, and no Form_Load run.
    vb::ErrObject ExpectRefused() {
        auto& window = Instance<RecordingWindow>();
        vb::ErrObject load = RaisedError([&] { window.Load(); });
        EXPECT_FALSE(window.IsLoaded());
        vb::ErrObject show = RaisedError([&] { window.Show(); });
        EXPECT_EQ(show.Number, load.Number);
        EXPECT_FALSE(window.IsLoaded());
        EXPECT_FALSE(window.Visible());
        EXPECT_EQ(RaisedError([&] { window.FindControl("txtName"); }).Number, load.Number);
        EXPECT_FALSE(window.IsLoaded());
        EXPECT_EQ(window.loads, 0);
        EXPECT_TRUE(fx.host.Journal().empty()) << "nothing reached the screen";
        EXPECT_NE(load.Description.find(Path()), std::string::npos) << load.Description;
        return load;
    }

    FormsFixture fx;
};

TEST_F(FailedLoad, AMissingDescription) {
    fx.Describe("frmOwned", R"({ "Controls": [] })");
    vb::ErrObject failure = ExpectRefused();
    EXPECT_EQ(failure.Number, vb::err::kFileNotFound);
    EXPECT_NE(failure.Description.find("missing"), std::string::npos);
}

TEST_F(FailedLoad, AnEmptyDescription) {
    fx.Describe("frmRecording", "");
    vb::ErrObject failure = ExpectRefused();
    EXPECT_EQ(failure.Number, vb::err::kInvalidFileFormat);
    EXPECT_NE(failure.Description.find("empty"), std::string::npos);
}

TEST_F(FailedLoad, ADescriptionThatIsNotJson) {
    fx.Describe("frmRecording", R"({ "Name": "frmRecording", "Controls": [ )");
    EXPECT_EQ(ExpectRefused().Number, vb::err::kInvalidFileFormat);
    fx.Describe("frmRecording", R"([ "a list, not a window" ])");
    ReloadWindowDescriptions();
    EXPECT_EQ(ExpectRefused().Number, vb::err::kInvalidFileFormat);
}

TEST_F(FailedLoad, ValuesOfTheWrongType) {
    for (const char* json : {
             R"({ "Controls": [ { "Type": "TextBox", "Name": "txtName", "Index": "first" } ] })",
             R"({ "Controls": [ { "Type": 7, "Name": "txtName" } ] })",
             R"({ "Controls": { "Type": "TextBox", "Name": "txtName" } })",
             R"({ "Controls": [ { "Type": "TextBox", "Name": "txtName", "Width": -40 } ] })",
             R"({ "Font": { "Name": 12 }, "Controls": [] })",
         }) {
        fx.Describe("frmRecording", json);
        ReloadWindowDescriptions();
        vb::ErrObject failure = ExpectRefused();
        EXPECT_EQ(failure.Description.rfind("The window frmRecording cannot be loaded from ", 0),
                  0u)
            << failure.Description;
    }
}

TEST_F(FailedLoad, AMendedDescriptionLoadsOnTheNextTry) {
    fx.Describe("frmRecording", "{");
    ExpectRefused();
    fx.Describe("frmRecording", kRecordingWindow);
    ReloadWindowDescriptions();
    auto& window = Instance<RecordingWindow>();
    window.Show();
    EXPECT_TRUE(window.Visible());
    EXPECT_EQ(window.ControlAs<TextBox>("txtName").Text(), "start");
    EXPECT_EQ(window.loads, 1);
}

// A control the window's code reaches by a name the description gave to another type is an
// error of the language, not a fault: the handler that uses it reports it.
TEST_F(FailedLoad, AControlOfAnotherTypeIsATypeMismatch) {
    fx.Describe("frmRecording",
                R"({ "Controls": [ { "Type": "Label", "Name": "txtName", "Caption": "x" } ] })");
    ReloadWindowDescriptions();
    auto& window = Instance<RecordingWindow>();
    window.Load();
    const vb::ErrObject error = RaisedError([&] { window.ControlAs<TextBox>("txtName"); });
    EXPECT_EQ(error.Number, vb::err::kTypeMismatch);
    EXPECT_NE(error.Description.find("txtName"), std::string::npos) << error.Description;
}

}  // namespace
