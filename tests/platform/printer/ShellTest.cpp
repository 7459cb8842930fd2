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

}  // namespace
