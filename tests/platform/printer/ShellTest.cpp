#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/os/Shell.h"
#include "tests/support/TestEnvironment.h"

namespace {

TEST(ShellTest, FindsProgramsOnThePathOnly) {
    TestEnvironment env;
    std::string plain = env.WriteFile("plain", "data");
    std::filesystem::permissions(
        plain, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(os::FindProgram("sh").back(), 'h');
    EXPECT_TRUE(os::FindProgram("no-such-program-here").empty());
    EXPECT_TRUE(os::FindProgram("").empty());
    EXPECT_EQ(os::FindProgram("/bin/sh"), "/bin/sh");
    EXPECT_TRUE(os::FindProgram(plain).empty());  // not executable
}

TEST(ShellTest, RunProgramGivesExitCodeAndOutputWithoutAShell) {
    auto echoed = os::RunProgram({"echo", "a;b", "$HOME"});
    ASSERT_TRUE(echoed);
    EXPECT_EQ(echoed->exitCode, 0);
    EXPECT_EQ(echoed->output, "a;b $HOME\n");
    auto failed = os::RunProgram({"sh", "-c", "exit 3"});
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->exitCode, 3);
    EXPECT_FALSE(os::RunProgram({"no-such-program-here"}));
    EXPECT_FALSE(os::RunProgram({}));
}

TEST(ShellTest, StartProgramDoesNotWait) {
    TestEnvironment env;
    std::string marker = env.Root() + "started";
    ASSERT_TRUE(os::StartProgram({"sh", "-c", "touch \"$0\"", marker}));
    for (int i = 0; i < 200 && !std::filesystem::exists(marker); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(std::filesystem::exists(marker));
    EXPECT_FALSE(os::StartProgram({"no-such-program-here"}));
}

// The desktop's opener replaced by a script of the test's own, found first on PATH.
class OpenerTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* path = std::getenv("PATH");
        savedPath_ = path ? path : "";
        ::setenv("PATH", (env.Root() + "bin:" + savedPath_).c_str(), 1);
    }
    void TearDown() override { ::setenv("PATH", savedPath_.c_str(), 1); }
    void Opener(const std::string& body) {
        std::string script = env.WriteFile("bin/xdg-open", "#!/bin/sh\n" + body + "\n");
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    }

    TestEnvironment env;

private:
    std::string savedPath_;
};

TEST_F(OpenerTest, TheOpenerGetsTheAddressAsItIs) {
    const std::string got = env.Root() + "got";
    Opener("printf '%s' \"$1\" > '" + got + "'");
    std::string reason = "untouched";
    EXPECT_TRUE(os::OpenDocument("file:///a%20b/help.html#index", reason));
    EXPECT_EQ(TestEnvironment::ReadFile(got), "file:///a%20b/help.html#index");
    EXPECT_EQ(reason, "untouched");
}

TEST_F(OpenerTest, ARefusalComesBackWithTheOpenersLastWord) {
    Opener(
        "echo 'firefox: not found' >&2\necho \"xdg-open: no method available for opening '$1'\" "
        ">&2\nexit 3");
    std::string reason;
    EXPECT_FALSE(os::OpenDocument("file:///x.html", reason));
    EXPECT_EQ(reason, "xdg-open: no method available for opening 'file:///x.html'");

    Opener("exit 4");  // refuses without a word
    EXPECT_FALSE(os::OpenDocument("file:///x.html", reason));
    EXPECT_EQ(reason, "xdg-open ended with code 4");
}

TEST_F(OpenerTest, AnOpenerThatKeepsRunningHasHandedTheDocumentOn) {
    Opener("exec sleep 5");  // a viewer run in the opener's place, as without a desktop
    std::string reason;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(os::OpenDocument("file:///x.html", reason));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_TRUE(reason.empty());
}

TEST_F(OpenerTest, AViewerThatGoesOnTalkingIsNeverStopped) {
    // Much more than a pipe holds, said after the opener's moment.
    const std::string done = env.Root() + "done";
    Opener("sleep 4\nhead -c 1000000 /dev/zero >&2\ntouch '" + done + "'");
    std::string reason;
    EXPECT_TRUE(os::OpenDocument("file:///x.html", reason));
    for (int i = 0; i < 800 && !std::filesystem::exists(done); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(std::filesystem::exists(done));
}

TEST_F(OpenerTest, WithoutAnOpenerTheReasonSaysSo) {
    ::setenv("PATH", (env.Root() + "nothing").c_str(), 1);
    std::string reason;
    EXPECT_FALSE(os::OpenDocument("file:///x.html", reason));
    EXPECT_NE(reason.find("xdg-open"), std::string::npos);
}

}  // namespace
