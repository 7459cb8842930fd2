#include <filesystem>

#include "app/Main.h"
#include "core/Catalogue.h"
#include "core/Diagnostics.h"
#include "editor/frmMain.h"
#include "editor/frmSplash.h"
#include "tests/core/startup/StartupFixture.h"

using namespace zomel;

namespace {

size_t CountContaining(const std::vector<std::string>& lines, const std::string& text) {
    size_t n = 0;
    for (const auto& line : lines)
        n += line.find(text) != std::string::npos;
    return n;
}

}  // namespace

TEST_F(StartupTest, WithoutIniTheLogIsTheTempFoldersAndStaysEmpty) {
    Main();
    ASSERT_NE(MainForm, nullptr);
    EXPECT_EQ(DebugLevel, 0);
    EXPECT_EQ(TempFolder, env.Root());
    EXPECT_EQ(MainForm->LogPath, env.Root() + "ZB.tmp");
    EXPECT_TRUE(std::filesystem::exists(MainForm->LogPath));
    EXPECT_TRUE(LogLines(MainForm->LogPath).empty());
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_EQ(HdrDescription, "Description:");
    EXPECT_EQ(UnitCm, "cm");
    EXPECT_EQ(HdrPartNumber, "Part Number");
    EXPECT_EQ(ModelNumberLabel, "Model Number = ");
    EXPECT_NE(gSign, nullptr);
    EXPECT_EQ(gOptions(195).Empty, vb::True);  // the option table is prepared before anything else
}

TEST_F(StartupTest, SplashCoversTheMainWindowsLoad) {
    Main();
    EXPECT_EQ(host.Journal(),
              (std::vector<std::string>{"show frmSplash", "refresh frmSplash", "show frmMain",
                                        "hide frmSplash", "unload frmSplash"}));
    EXPECT_TRUE(MainForm->Visible());
    EXPECT_FALSE(forms::Instance<frmSplash>().IsLoaded());
}

TEST_F(StartupTest, LevelTwoTracesWindowsOnly) {
    WriteIni("DebugLevel=2\n");
    Main();
    auto lines = LogLines(MainForm->LogPath);
    EXPECT_EQ(DebugLevel, 2);
    EXPECT_EQ(CountContaining(lines, " Enter form -> Splash translated as 'Splash'"), 1u);
    EXPECT_EQ(CountContaining(lines, " Exit form -> Splash translated as 'Splash'"), 1u);
    EXPECT_EQ(CountContaining(lines, " Enter form -> Main translated as 'VELDO ZOMELBuilder'"), 1u);
    EXPECT_EQ(CountContaining(lines, " Log -> "), 0u);
}

TEST_F(StartupTest, LevelsAddLogAndTraceLines) {
    for (int level : {2, 3, 4}) {
        SetUp();
        WriteIni("DebugLevel=" + std::to_string(level) + "\n");
        Main();
        LogLine("density");
        DebugTrace("Load Options", 7, "row", "config2.bin");
        auto lines = LogLines(MainForm->LogPath);
        EXPECT_EQ(CountContaining(lines, " Log -> density"), level >= 3 ? 1u : 0u) << level;
        EXPECT_EQ(CountContaining(lines,
                                  " - Function [Load Options] debug number [7], [row] "
                                  "source [config2.bin]"),
                  level >= 4 ? 1u : 0u)
            << level;
        TearDown();
    }
}

TEST_F(StartupTest, AnOldLogIsReplaced) {
    WriteIni("Logfile=" + env.Root() + "Run.Log\n");
    env.WriteFile("Run.Log", "\"an earlier run\"\r\n");
    Main();
    EXPECT_EQ(MainForm->LogPath, env.Root() + "Run.Log");  // case kept, no suffix
    EXPECT_TRUE(LogLines(MainForm->LogPath).empty());
}

TEST_F(StartupTest, ALogSymlinkIsNotFollowed) {
    std::string target = env.WriteFile("precious.txt", "keep me");
    std::filesystem::create_symlink(target, env.Root() + "link.txt");
    WriteIni("Logfile=" + env.Root() + "link\nDebugLevel=2\n");
    Main();
    EXPECT_EQ(MainForm->LogPath, env.Root() + "link.txt");
    EXPECT_EQ(TestEnvironment::ReadFile(target), "keep me");
    EXPECT_FALSE(std::filesystem::is_symlink(MainForm->LogPath));
    EXPECT_FALSE(LogLines(MainForm->LogPath).empty());
}

TEST_F(StartupTest, AnUnopenableLogFallsBackToTheDefaultAndSaysSo) {
    WriteIni("Logfile=" + env.Root() + "no/such/folder/run\n");
    Main();
    EXPECT_EQ(MainForm->LogPath, env.Root() + "ZB.tmp");
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_NE(host.Messages()[0].prompt.find("Module sub main - Error Catch"), std::string::npos);
    EXPECT_NE(host.Messages()[0].prompt.find("#, 75, "), std::string::npos);
    auto lines = LogLines(MainForm->LogPath);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("had error number [75]"), std::string::npos);
}

// The next step of start-up would look for the old log in it; the person is told once, and the
// run's log is in the user's own temporary folder instead.
TEST_F(StartupTest, ATmpdirThatIsNoFolderIsPassedOverAndNamedOnce) {
    const std::string named = env.Root() + "gone";
    ::setenv("TMPDIR", named.c_str(), 1);
    Main();
    const std::string own = env.Root() + "home/.cache/zomelbuilder/";
    EXPECT_EQ(MainForm->LogPath, own + "ZB.tmp");
    EXPECT_TRUE(std::filesystem::exists(MainForm->LogPath));
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_NE(host.Messages()[0].prompt.find("#, 76, TMPDIR names " + named +
                                             ", which is no folder this user can write"),
              std::string::npos)
        << host.Messages()[0].prompt;
    EXPECT_NE(host.Messages()[0].prompt.find("the temporary folder is " + own), std::string::npos);
}

TEST(LogPath, RulesForTheLogfileSetting) {
    EXPECT_EQ(ChooseLogPath("", "/tmp/"), "/tmp/ZB.tmp");
    EXPECT_EQ(ChooseLogPath("/var/logs/run", "/tmp/"), "/var/logs/run.txt");
    EXPECT_EQ(ChooseLogPath("/var/logs/Run.Log", "/tmp/"), "/var/logs/Run.Log");
    EXPECT_EQ(ChooseLogPath("ab", "/tmp/"), "ab.txt");
    EXPECT_EQ(ChooseLogPath("abc", "/tmp/"), "abc.txt");
    EXPECT_EQ(ChooseLogPath(".log", "/tmp/"), ".log");
    EXPECT_EQ(ChooseLogPath("run.data", "/tmp/"), "run.data.txt");
}
