#include "platform/com/ClassRegistry.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/vb/Error.h"
#include "tests/platform/com/TempConfig.h"
#include "tests/support/ErrorNumber.h"

namespace {

const com::Clsid kFirst = *com::Clsid::Parse("{11111111-2222-3333-4444-555555555555}");
const com::Clsid kSecond = *com::Clsid::Parse("{11111111-2222-3333-4444-666666666666}");

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class ClassRegistry : public ::testing::Test {
protected:
    TempConfig config_;
};

TEST_F(ClassRegistry, LivesInTheConfigFolderAndStartsEmpty) {
    EXPECT_EQ(com::ClassRegistryPath(), config_.Folder() + "/zomelbuilder/classes.ini");
    EXPECT_FALSE(com::LibraryOf(kFirst));
    EXPECT_FALSE(com::ClsidOf("Zomel.First"));
    EXPECT_FALSE(std::filesystem::exists(com::ClassRegistryPath()));
}

TEST_F(ClassRegistry, MapsClassIdsToLibrariesAndProgramIdsToClassIds) {
    com::RegisterClass(kFirst, "Zomel.First", "/opt/a/libfirst.so");
    com::RegisterClass(kSecond, "", "/opt/b/libsecond.so");
    EXPECT_EQ(com::LibraryOf(kFirst), "/opt/a/libfirst.so");
    EXPECT_EQ(com::LibraryOf(kSecond), "/opt/b/libsecond.so");
    EXPECT_EQ(com::ClsidOf("zomel.FIRST"), kFirst);
    EXPECT_FALSE(com::ClsidOf(""));
    EXPECT_EQ(ReadFile(com::ClassRegistryPath()),
              "[Classes]\n"
              "{11111111-2222-3333-4444-555555555555}=/opt/a/libfirst.so\n"
              "{11111111-2222-3333-4444-666666666666}=/opt/b/libsecond.so\n"
              "\n[ProgIDs]\n"
              "Zomel.First={11111111-2222-3333-4444-555555555555}\n");
}

TEST_F(ClassRegistry, RegisteringAgainReplacesTheOldEntries) {
    com::RegisterClass(kFirst, "Zomel.Sign", "/old/lib.so");
    com::RegisterClass(kFirst, "Zomel.Sign", "/new/lib.so");
    com::RegisterClass(kSecond, "ZOMEL.SIGN", "/new/lib.so");
    EXPECT_EQ(com::LibraryOf(kFirst), "/new/lib.so");
    EXPECT_EQ(com::ClsidOf("Zomel.Sign"), kSecond);
}

TEST_F(ClassRegistry, UnregisterRemovesOnlyWhatThatLibraryServes) {
    com::RegisterClass(kFirst, "Zomel.First", "/build/lib.so");
    com::UnregisterClass(kFirst, "/installed/lib.so");
    EXPECT_EQ(com::LibraryOf(kFirst), "/build/lib.so");
    EXPECT_EQ(com::ClsidOf("Zomel.First"), kFirst);

    com::UnregisterClass(kFirst, "/build/lib.so");
    EXPECT_FALSE(com::LibraryOf(kFirst));
    EXPECT_FALSE(com::ClsidOf("Zomel.First"));
}

TEST_F(ClassRegistry, RegistrationsAtTheSameTimeKeepEveryEntry) {
    constexpr int kWriters = 8;
    auto clsidOf = [](int writer) {
        return *com::Clsid::Parse("{00000000-0000-0000-0000-00000000000" + std::to_string(writer) +
                                  "}");
    };
    std::vector<pid_t> writers;
    for (int writer = 0; writer < kWriters; ++writer) {
        pid_t pid = fork();
        if (pid == 0) {
            for (int round = 0; round < 20; ++round)
                com::RegisterClass(clsidOf(writer), "", "/lib" + std::to_string(writer) + ".so");
            _exit(0);
        }
        writers.push_back(pid);
    }
    for (pid_t pid : writers) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int writer = 0; writer < kWriters; ++writer)
        EXPECT_EQ(com::LibraryOf(clsidOf(writer)), "/lib" + std::to_string(writer) + ".so");
}

TEST_F(ClassRegistry, RefusesEntriesThatWouldBreakTheFile) {
    EXPECT_EQ(ErrorNumber([] { com::RegisterClass(kFirst, "Bad=Name", "/lib.so"); }),
              vb::err::kInvalidCall);
    EXPECT_EQ(ErrorNumber([] { com::RegisterClass(kFirst, "Good", "/lib\n[ProgIDs].so"); }),
              vb::err::kInvalidCall);
    EXPECT_EQ(ErrorNumber([] { com::RegisterClass(kFirst, "Good", ""); }), vb::err::kInvalidCall);
    EXPECT_FALSE(com::LibraryOf(kFirst));
}

// A hand-edited registry whose value ends in carriage returns keeps them when another
// registration writes the file again.
TEST_F(ClassRegistry, AValueEndingInCarriageReturnsIsWrittenBackWhole) {
    std::filesystem::create_directories(config_.Folder() + "/zomelbuilder");
    for (const std::string library : {"/opt/a/lib.so\r", "/opt/a/lib.so\r\r"}) {
        std::ofstream(com::ClassRegistryPath(), std::ios::binary)
            << "[Classes]\r\n{11111111-2222-3333-4444-555555555555}=" << library << "\r\n";
        EXPECT_EQ(com::LibraryOf(kFirst), library);
        com::RegisterClass(kSecond, "Zomel.Second", "/opt/b/lib.so");
        EXPECT_EQ(com::LibraryOf(kFirst), library);
    }
}

TEST_F(ClassRegistry, PassesOverLinesItCannotRead) {
    std::filesystem::create_directories(config_.Folder() + "/zomelbuilder");
    std::ofstream(com::ClassRegistryPath()) << "junk\r\n[Classes]\r\n{not-a-clsid}=/x.so\r\n"
                                               "{11111111-2222-3333-4444-555555555555}=/a.so\r\n"
                                               "[ProgIDs]\r\nBroken={zz}\r\nZomel.A="
                                               "{11111111-2222-3333-4444-555555555555}\r\n";
    EXPECT_EQ(com::LibraryOf(kFirst), "/a.so");
    EXPECT_EQ(com::ClsidOf("Zomel.A"), kFirst);
    EXPECT_FALSE(com::ClsidOf("Broken"));
}

TEST_F(ClassRegistry, AFailedWriteRaises75AndLeavesNoTemporaryFile) {
    // A plain file where the config folder should be.
    std::ofstream(config_.Folder() + "/zomelbuilder") << "in the way";
    EXPECT_EQ(ErrorNumber([] { com::RegisterClass(kFirst, "Zomel.First", "/lib.so"); }),
              vb::err::kPathFileAccess);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(config_.Folder()), {}), 1);
}

}  // namespace
