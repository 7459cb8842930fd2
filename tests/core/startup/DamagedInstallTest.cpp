// Start-up from a damaged installation: the person is told what is missing or damaged, and a
// program without its main window ends instead of running on unseen.
#include <filesystem>
#include <sstream>

#include "app/Main.h"
#include "core/Diagnostics.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "editor/frmSplash.h"
#include "platform/gdi/FontRegistry.h"
#include "platform/vb/HandledErrors.h"
#include "tests/core/startup/StartupFixture.h"

using namespace zomel;

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A copy of the program's data files in a folder of the test's own, which the test damages.
class DamagedInstall : public StartupTest {
protected:
    void SetUp() override {
        StartupTest::SetUp();
        app = env.UseProgramFolder();
        std::filesystem::copy(ZOMEL_SOURCE_DIR "/resources", app,
                              std::filesystem::copy_options::recursive);
        std::filesystem::copy_file(VELDOSIGN_LIBRARY, app + "libveldosign.so");
    }

    // Main ran to its end without showing its main window, and said so once.
    const forms::HeadlessHost::Message& ExpectCannotStart() {
        EXPECT_FALSE(MainForm->IsLoaded());
        EXPECT_FALSE(MainForm->Visible());
        EXPECT_FALSE(forms::Instance<frmSplash>().IsLoaded()) << "the splash went too";
        EXPECT_EQ(host.Messages().size(), 1u);
        const auto& box = host.Messages().back();
        EXPECT_EQ(box.Icon(), forms::vbCritical);
        EXPECT_TRUE(Contains(box.prompt, "cannot start")) << box.prompt;
        return box;
    }

    std::string app;
};

TEST_F(DamagedInstall, AnUndamagedCopyStarts) {
    Main();
    EXPECT_TRUE(MainForm->Visible());
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(DamagedInstall, AMissingMainWindowDescriptionIsNamed) {
    std::filesystem::remove(app + "forms/frmMain.json");
    Main();
    const auto& box = ExpectCannotStart();
    EXPECT_TRUE(Contains(box.prompt, app + "forms/frmMain.json is missing")) << box.prompt;
    EXPECT_TRUE(Contains(box.prompt, "Reinstall")) << box.prompt;
    auto lines = LogLines(MainForm->LogPath);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(Contains(lines[0], "had error number [53]")) << lines[0];
}

TEST_F(DamagedInstall, AMainWindowDescriptionOfWrongTypesIsNamed) {
    env.WriteFile("app/forms/frmMain.json",
                  R"({ "Name": "frmMain", "Controls": [ { "Type": "Label", "Index": "x" } ] })");
    Main();
    const auto& box = ExpectCannotStart();
    EXPECT_TRUE(Contains(box.prompt, app + "forms/frmMain.json")) << box.prompt;
    EXPECT_FALSE(box.prompt.starts_with("#5 [json")) << box.prompt;
}

TEST_F(DamagedInstall, ADisplayControlThatCannotBeCreatedSaysWhatIsMissingAndTheCure) {
    com::UnregisterServer(VELDOSIGN_LIBRARY);
    std::filesystem::remove(app + "libveldosign.so");
    Main();
    const auto& box = ExpectCannotStart();
    EXPECT_TRUE(Contains(box.prompt, "VELDOSign.SignOcx")) << box.prompt;
    EXPECT_TRUE(Contains(box.prompt, app + "libveldosign.so")) << box.prompt;
    EXPECT_TRUE(Contains(box.prompt, "regsvr")) << box.prompt;
}

TEST_F(DamagedInstall, TheDisplayControlComesFromTheProgramsFolderWithoutARegistryEntry) {
    com::UnregisterServer(VELDOSIGN_LIBRARY);
    Main();
    EXPECT_TRUE(MainForm->Visible());
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(DamagedInstall, AMissingStringTableIsNamed) {
    std::filesystem::remove(app + "strings.tsv");
    Main();
    ASSERT_FALSE(host.Messages().empty());
    const std::string& first = host.Messages().front().prompt;
    EXPECT_TRUE(Contains(first, "#, 326, ")) << first;
    EXPECT_TRUE(Contains(first, "the string table " + app + "strings.tsv is missing")) << first;
}

TEST_F(DamagedInstall, AnEmptyStringTableIsNamed) {
    env.WriteFile("app/strings.tsv", "");
    Main();
    ASSERT_FALSE(host.Messages().empty());
    const std::string& first = host.Messages().front().prompt;
    EXPECT_TRUE(Contains(first, "the string table " + app + "strings.tsv holds no entries"))
        << first;
}

TEST_F(DamagedInstall, AStringTableWithoutACaptionIdLetsFileExitEndTheRun) {
    WriteIni("DebugLevel=2\n");
    std::istringstream shipped(TestEnvironment::ReadFile(app + "strings.tsv"));
    std::string table;
    for (std::string line; std::getline(shipped, line);)
        if (!line.starts_with("116\t")) table += line + "\n";
    env.WriteFile("app/strings.tsv", table);
    Main();
    ASSERT_TRUE(MainForm->Visible());
    const std::string log = MainForm->LogPath;
    MainForm->SSBars->ClickTool("id_FileExit");
    EXPECT_FALSE(MainForm->IsLoaded());
    EXPECT_NO_THROW(forms::ResetInstances());  // the program's end
    EXPECT_TRUE(host.Messages().empty()) << host.Messages().front().prompt;
    size_t named = 0;
    for (const auto& line : LogLines(log))
        named += Contains(line, "had error number [326]") && Contains(line, "'116'");
    EXPECT_EQ(named, 2u) << "the window's entry and its exit";
}

TEST_F(DamagedInstall, ADamagedLedFontIsLoggedAndTheProgramGoesOn) {
    env.WriteFile("app/fonts/veldo-5x7.bdf",
                  "STARTFONT 2.1\nFAMILY_NAME \"VELDO 5x7\"\nFONTBOUNDINGBOX 5 7 0 0\n"
                  "FONT_ASCENT 7\nSTARTCHAR A\nENCODING 65\nBBX 5 1 0 2147483647\nBITMAP\nF8\n"
                  "ENDCHAR\nENDFONT\n");
    auto& fonts = gdi::FontRegistry::Instance();
    const std::string shipped = fonts.FontsFolder();
    fonts.SetFontsFolder(app + "fonts");
    Main();
    ASSERT_TRUE(MainForm->Visible());
    MainForm->txtZomelText(0).SetText("HELLO");
    EXPECT_GT(gSign->XZomelCount(), 0) << "the message is laid out in the fallback font";
    auto lines = LogLines(MainForm->LogPath);
    size_t logged = 0;
    for (const auto& line : lines)
        logged += Contains(line, "[Load LED fonts] had error number [321]") &&
                  Contains(line, app + "fonts/veldo-5x7.bdf");
    EXPECT_EQ(logged, 1u) << ::testing::PrintToString(lines);
    fonts.SetFontsFolder(shipped);
}

}  // namespace

namespace {

// A copy whose LED fonts the test takes away or damages; the registry reads the copy's fonts
// folder afresh.
class MissingLedFonts : public DamagedInstall {
protected:
    void SetUp() override {
        DamagedInstall::SetUp();
        gdi::FontRegistry::Instance().SetFontsFolder("");
    }
    void TearDown() override {
        DamagedInstall::TearDown();
        gdi::FontRegistry::Instance().SetFontsFolder("");
    }
    // Starts with `text` in place of the 5x7 font: the one box names it damaged, and no other
    // file at all.
    std::string StartWithDamaged5x7(const std::string& text) {
        env.WriteFile("app/fonts/veldo-5x7.bdf", text);
        Main();
        EXPECT_TRUE(MainForm->Visible());
        if (host.Messages().size() != 1u) {
            ADD_FAILURE() << host.Messages().size() << " boxes";
            return {};
        }
        const std::string& box = host.Messages()[0].prompt;
        EXPECT_TRUE(Contains(box, "\rveldo-5x7.bdf (damaged)\r")) << box;
        EXPECT_FALSE(Contains(box, "veldo-4x5.bdf")) << box;
        EXPECT_FALSE(Contains(box, "(missing)")) << box;
        return box;
    }
    size_t LoggedLinesNaming(const std::string& part) {
        size_t count = 0;
        for (const auto& line : LogLines(MainForm->LogPath))
            count += Contains(line, "[Load LED fonts]") && Contains(line, part);
        return count;
    }
};

TEST_F(MissingLedFonts, AMissingFolderIsOneBoxNamingTheFolderAndEveryFile) {
    std::filesystem::remove_all(app + "fonts");
    Main();
    ASSERT_TRUE(MainForm->Visible());
    ASSERT_EQ(host.Messages().size(), 1u);
    const std::string& box = host.Messages()[0].prompt;
    EXPECT_TRUE(Contains(box, "in the folder:\r" + app + "fonts\r\r")) << "on a line of its own";
    for (const char* file : {"veldo-4x5.bdf", "veldo-5x7.bdf", "veldo-8x12.bdf", "uk5x7.bdf"})
        EXPECT_TRUE(Contains(box, std::string(file) + " (missing)")) << box;
    EXPECT_TRUE(Contains(box, "reinstalled")) << box;
    EXPECT_EQ(host.Messages()[0].Icon(), forms::vbExclamation);
    EXPECT_EQ(LoggedLinesNaming("LED fonts folder " + app + "fonts cannot be read"), 1u);
    EXPECT_EQ(LoggedLinesNaming("veldo-5x7.bdf is missing"), 1u);
}

TEST_F(MissingLedFonts, AnEmptyFontFileIsNamedDamagedAndTheOthersNotAtAll) {
    StartWithDamaged5x7("");
    EXPECT_EQ(LoggedLinesNaming(app + "fonts/veldo-5x7.bdf is passed over"), 1u);
}

TEST_F(MissingLedFonts, AFontFileCutOffIsNamedDamagedAndTheLogSaysWhere) {
    const std::string file = app + "fonts/veldo-5x7.bdf";
    const std::string whole = TestEnvironment::ReadFile(file);
    StartWithDamaged5x7(whole.substr(0, whole.size() / 2));
    EXPECT_EQ(LoggedLinesNaming(file + " is passed over: it ends inside character"), 1u);
    EXPECT_EQ(LoggedLinesNaming("the file is cut off"), 1u);
    EXPECT_FALSE(gdi::FontRegistry::Instance().IsLedFace("VELDO 5x7"))
        << "its lines are drawn in the fallback face, as for a missing file";
}

}  // namespace
