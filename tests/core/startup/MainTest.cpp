#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/Main.h"
#include "core/Catalogue.h"
#include "core/Diagnostics.h"
#include "editor/frmMain.h"
#include "editor/frmSplash.h"
#include "platform/os/Settings.h"
#include "tests/core/startup/StartupFixture.h"
#include "tests/support/OtherCopyHolding.h"

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

// A start removes the run file a killed run left: runs killed one after the other do not pile
// them up in the temporary folder.
TEST_F(StartupTest, KilledRunsLeaveAtMostOneRunFile) {
    for (int run = 0; run < 3; ++run) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            Main();
            ::_exit(MainForm->Visible() ? 0 : 1);  // killed: no clean-up
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    int made = 0;
    for (const auto& entry : std::filesystem::directory_iterator(env.Root()))
        made += entry.path().filename().string().starts_with("VZB");
    EXPECT_EQ(made, 1);
}

// Root's run in a TMPDIR that every user may write leaves its log there; another account
// starting after it gets its own folder in it, and no box.
TEST_F(StartupTest, ASharedTmpdirUsedFirstByAnotherAccountGivesNoBox) {
    if (::geteuid() != 0) GTEST_SKIP() << "starting a run as another account needs root";
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody) GTEST_SKIP() << "no account \"nobody\" to start the second run as";
    // Outside the test's own folder, which only its owner may enter.
    std::string shared = "/tmp/zomel-shared-XXXXXX";
    ASSERT_NE(::mkdtemp(shared.data()), nullptr);
    const std::unique_ptr<const std::string, void (*)(const std::string*)> removed(
        &shared, [](const std::string* folder) { std::filesystem::remove_all(*folder); });
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    std::ofstream(shared + "/ZB.tmp") << "root's log";
    std::ofstream(shared + "/VZBa1B2c3") << "";
    ASSERT_EQ(::mkdir((shared + "/zomelbuilder-0").c_str(), 0700), 0);
    std::ofstream(shared + "/zomelbuilder-0/ZB.tmp") << "root's log";
    const std::string home = shared + "/home-nobody";
    ASSERT_EQ(::mkdir(home.c_str(), 0700), 0);
    ASSERT_EQ(::chown(home.c_str(), nobody->pw_uid, nobody->pw_gid), 0);

    int report[2];
    ASSERT_EQ(::pipe(report), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody->pw_gid) != 0 ||
            ::setuid(nobody->pw_uid) != 0)
            ::_exit(2);
        ::setenv("HOME", home.c_str(), 1);
        ::setenv("TMPDIR", shared.c_str(), 1);
        Main();
        std::string said = TempFolder + "\n" + MainForm->LogPath + "\n";
        for (const std::string& prompt : host.MessagePrompts())
            said += prompt + "\n";
        (void)!::write(report[1], said.data(), said.size());
        ::_exit(host.Messages().empty() ? 0 : 1);
    }
    ::close(report[1]);
    std::string said;
    char buffer[4096];
    for (ssize_t n; (n = ::read(report[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, static_cast<size_t>(n));
    ::close(report[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << said;
    const std::string own = shared + "/zomelbuilder-" + std::to_string(nobody->pw_uid) + "/";
    EXPECT_EQ(said.substr(0, said.find('\n')), own) << said;
    EXPECT_TRUE(std::filesystem::exists(own + "ZB.tmp"));
    EXPECT_EQ(TestEnvironment::ReadFile(shared + "/ZB.tmp"), "root's log");
    EXPECT_TRUE(std::filesystem::exists(shared + "/VZBa1B2c3"));
}

// Another copy stopped in the middle of a settings save does not keep File > Exit waiting: the
// person is told once which file could not be saved, and a later save writes the values.
TEST_F(StartupTest, AnotherCopyHoldingTheSettingsDoesNotKeepExitWaiting) {
    Main();
    ASSERT_TRUE(MainForm->Visible());
    host.ClearMessages();
    const std::string settings = env.ConfigFolder() + "settings.ini";
    {
        OtherCopyHolding other(env.ConfigFolder() + "settings.lock");
        const auto start = std::chrono::steady_clock::now();
        MainForm->SSBars->ClickTool("id_FileExit");
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
        EXPECT_FALSE(MainForm->IsLoaded());
        ASSERT_EQ(host.Messages().size(), 1u);
        EXPECT_NE(host.Messages()[0].prompt.find("The settings file " + settings +
                                                 " could not be saved. The lock file " +
                                                 env.ConfigFolder() + "settings.lock is held"),
                  std::string::npos)
            << host.Messages()[0].prompt;
        EXPECT_EQ(TestEnvironment::ReadFile(settings).find("MainLeft="), std::string::npos);
    }
    os::SaveSetting("ZomelBuilder", "Units", "WeightUnit", "kg");
    const std::string written = TestEnvironment::ReadFile(settings);
    for (const char* key : {"MainLeft=", "MainTop=", "MainWidth=", "MainHeight=", "WeightUnit=kg"})
        EXPECT_NE(written.find(key), std::string::npos) << key << " in " << written;
}

// A log that cannot be replaced (a folder in its place) is named in each message, with the cause.
TEST_F(StartupTest, ALogThatCannotBeReplacedIsNamedWithItsCause) {
    const std::string log = env.Root() + "taken.log";
    std::filesystem::create_directories(log + "/inside");
    WriteIni("Logfile=" + log + "\n");
    Main();
    const std::vector<std::string> prompts = host.MessagePrompts();
    ASSERT_EQ(prompts.size(), 2u);
    EXPECT_NE(prompts[0].find(vb::ErrorText(vb::err::kPathFileAccess) + ": " + log),
              std::string::npos)
        << prompts[0];
    EXPECT_NE(
        prompts[1].find("The log file " + log + " could not be opened: " + std::strerror(EEXIST)),
        std::string::npos)
        << prompts[1];
    EXPECT_EQ(MainForm->LogPath, env.Root() + "ZB.tmp");
}
