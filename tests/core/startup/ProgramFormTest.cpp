#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "core/Diagnostics.h"
#include "core/LogChannel.h"
#include "core/ProgramForm.h"
#include "platform/forms/Description.h"
#include "platform/os/Paths.h"
#include "platform/vb/Error.h"
#include "tests/core/startup/StartupFixture.h"

using namespace zomel;

namespace {

// A window of the program that notes how many log lines there were when each of its own
// handlers ran.
class NotingWindow : public ProgramForm {
public:
    explicit NotingWindow(std::function<size_t()> count)
        : ProgramForm("frmVELDOInfo"), count_(std::move(count)) {}
    size_t linesAtLoad = 0, linesAtUnload = 0, linesAtKeyUp = 0;
    vb::Integer lastKey = 0;

protected:
    void Window_Load() override { linesAtLoad = count_(); }
    void Window_Unload(vb::Integer&) override { linesAtUnload = count_(); }
    void Window_KeyUp(vb::Integer& KeyCode, vb::Integer&) override {
        linesAtKeyUp = count_();
        lastKey = KeyCode;
    }

private:
    std::function<size_t()> count_;
};

class ProgramFormTest : public StartupTest {
protected:
    void SetUp() override {
        StartupTest::SetUp();
        path = env.Root() + "windows.txt";
        ASSERT_TRUE(OpenLog(path));
        DebugLevel = 2;
    }
    std::string path;
};

}  // namespace

TEST_F(ProgramFormTest, EntryIsTracedBeforeTheWindowsLoadAndExitAfterItsUnload) {
    NotingWindow window([this] { return LogLines(path).size(); });
    window.Load();
    EXPECT_EQ(window.linesAtLoad, 1u);
    window.Unload();
    EXPECT_EQ(window.linesAtUnload, 1u);
    const auto lines = LogLines(path);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].ends_with(" Enter form -> VELDO Info translated as '" +
                                   forms::LoadResString(102) + "'"))
        << lines[0];
    EXPECT_TRUE(lines[1].ends_with(" Exit form -> VELDO Info translated as '" +
                                   forms::LoadResString(102) + "'"))
        << lines[1];
}

// A window of the table and nothing of its own, in a program folder whose string table lacks
// the window's caption id.
class CaptionIdMissing : public ProgramFormTest, public ::testing::WithParamInterface<const char*> {
protected:
    class TableWindow : public ProgramForm {
    public:
        explicit TableWindow(const std::string& name) : ProgramForm(name) {}
    };

    void SetUp() override {
        ProgramFormTest::SetUp();
        id = ProgramForm::IdentityOf(GetParam()).captionId;
        std::istringstream shipped(
            TestEnvironment::ReadFile(os::JoinPath(os::ProgramFolder(), "strings.tsv")));
        std::string table;
        for (std::string line; std::getline(shipped, line);)
            if (!line.starts_with(std::to_string(id) + "\t")) table += line + "\n";
        env.UseProgramFolder();
        env.WriteFile("app/strings.tsv", table);
        env.WriteFile("app/forms/" + std::string(GetParam()) + ".json",
                      R"({"Tag": ")" + std::to_string(id) + R"(", "Controls": []})");
        forms::ReloadStringTable();
        forms::ReloadWindowDescriptions();
    }
    vb::Long id = 0;
};

TEST_P(CaptionIdMissing, UnloadingTheWindowRaisesNothingAndTheLogNamesTheId) {
    TableWindow window(GetParam());
    EXPECT_NO_THROW(window.Load());
    EXPECT_NO_THROW(window.Unload());
    EXPECT_FALSE(window.IsLoaded());
    EXPECT_EQ(vb::Err().Number, 0);
    const auto lines = LogLines(path);
    ASSERT_EQ(lines.size(), 4u) << ::testing::PrintToString(lines);
    EXPECT_NE(lines[2].find("had error number [326]"), std::string::npos) << lines[2];
    EXPECT_NE(lines[2].find("'" + std::to_string(id) + "'"), std::string::npos) << lines[2];
    EXPECT_TRUE(lines[3].ends_with(" Exit form -> " + std::string(window.TraceLabel()) +
                                   " translated as ''"))
        << lines[3];
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, CaptionIdMissing,
                         ::testing::Values("frmAbout", "frmVELDOInfo", "frmChooser", "frmClipArt",
                                           "frmClipList", "frmComponents", "frmGallery",
                                           "FrmGenSpec", "frmMain", "frmOptions", "frmOrder",
                                           "frmSolar", "FrmSpec", "frmSpecChoose", "frmSplash",
                                           "frmModelNum"));

TEST_F(ProgramFormTest, F12ShowsTheNumberBeforeTheWindowsOwnKeysAndOtherKeysOnlyReachThem) {
    NotingWindow window([this] { return LogLines(path).size(); });
    window.KeyUp(forms::vbKeyF12, 0);
    EXPECT_EQ(window.linesAtKeyUp, 1u);
    EXPECT_EQ(window.lastKey, forms::vbKeyF12);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].prompt, forms::LoadResString(102) + " #102");
    window.KeyUp(forms::vbKeyF1, 0);
    EXPECT_EQ(window.lastKey, forms::vbKeyF1);
    EXPECT_EQ(host.Messages().size(), 1u);
}

TEST_F(ProgramFormTest, AWindowMissingFromTheTableIsRefused) {
    try {
        ProgramForm::IdentityOf("frmNowhere");
        FAIL() << "no error raised";
    } catch (const vb::VbError& error) {
        EXPECT_EQ(error.Number(), vb::err::kInvalidCall);
    }
}

// The caption id is also the window's Tag: every description the program ships agrees with
// the table.
TEST_F(ProgramFormTest, EveryShippedWindowInTheTableHasItsCaptionIdAsTag) {
    int checked = 0;
    for (const auto& file :
         std::filesystem::directory_iterator(os::JoinPath(os::ProgramFolder(), "forms"))) {
        const std::string name = file.path().stem().string();
        if (name == "frmNumberPrompt") continue;  // our own prompt, not one of the program's
        const ProgramForm::Identity identity = ProgramForm::IdentityOf(name);
        EXPECT_EQ(forms::LoadWindowDescription(name).value("Tag", ""),
                  std::to_string(identity.captionId))
            << name;
        ++checked;
    }
    EXPECT_GE(checked, 8);
}

// Enter and Escape answer in every dialog: an OK button is the Default button, and Escape
// has a Cancel button to click or closes the window.
TEST_F(ProgramFormTest, EveryShippedDialogAnswersEnterAndEscape) {
    // The main window, the splash, the windows that only write a document and the list
    // without buttons are no dialogs.
    const std::set<std::string> others = {"frmMain", "frmSplash", "FrmGenSpec", "FrmSpec",
                                          "frmComponents"};
    int checked = 0;
    for (const auto& file :
         std::filesystem::directory_iterator(os::JoinPath(os::ProgramFolder(), "forms"))) {
        const std::string name = file.path().stem().string();
        if (others.count(name)) continue;
        const nlohmann::json& description = forms::LoadWindowDescription(name);
        bool ok = false, isDefault = false, cancel = false;
        for (const nlohmann::json& control : description.value("Controls", nlohmann::json())) {
            if (control.value("Type", "") != "CommandButton") continue;
            std::string caption = control.value("Caption", "");
            std::erase(caption, '&');
            ok = ok || caption == "OK";
            isDefault = isDefault || control.value("Default", false);
            cancel = cancel || control.value("Cancel", false);
        }
        EXPECT_TRUE(!ok || isDefault) << name;
        EXPECT_TRUE(cancel || description.value("EscapeCloses", false)) << name;
        ++checked;
    }
    EXPECT_GE(checked, 10);
}
