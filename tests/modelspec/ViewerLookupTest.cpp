#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "modelspec/FSOsearch.h"
#include "modelspec/ViewerLookup.h"
#include "platform/forms/Constants.h"
#include "platform/forms/HeadlessHost.h"
#include "platform/os/Association.h"
#include "platform/os/Paths.h"
#include "tests/modelspec/FakeDesktop.h"
#include "tests/support/HostPrompts.h"
#include "tests/support/TestEnvironment.h"

namespace {

using zomel::OpenRtfDocument;

const char* const kNotFound = "no viewer";
const char* const kLaunchFailed = "viewer failed";

class ViewerLookupTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::SetHost(&host);
        document = env.WriteFile("app/CustomSpec.rtf", "{\\rtf1 x}");
    }
    void TearDown() override { forms::SetHost(nullptr); }

    std::vector<std::string> Prompts() const { return PromptsOf(host); }

    TestEnvironment env;
    std::string app = env.UseProgramFolder();
    FakeDesktop desktop{env};
    forms::HeadlessHost host;
    std::string document;
};

}  // namespace

TEST_F(ViewerLookupTest, TheDesktopsProgramForRtfOpensTheDocumentInItsPlace) {
    std::string viewer = desktop.Viewer("opt/writer/bin/fake-writer");
    desktop.Entry("fake-writer.desktop", "\"" + viewer + "\" --view %U --new-window");
    desktop.Associate("fake-writer.desktop");
    desktop.Viewer("drive-c/lowriter");  // the search is not needed and does not run
    OpenRtfDocument(document, "CustSpec", kNotFound, kLaunchFailed);
    std::vector<std::string> started = desktop.Started();
    ASSERT_EQ(started.size(), 4u);
    EXPECT_EQ(started[0] + "/", app);  // started in the program folder
    EXPECT_EQ(started[1], "--view");
    EXPECT_EQ(started[2], document);
    EXPECT_EQ(started[3], "--new-window");
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(ViewerLookupTest, WithoutAnAssociationAnInstalledViewerIsFoundAndGivenTheDocument) {
    desktop.Entry("gone.desktop", "/nowhere/gone %f");  // named, but its program is missing
    desktop.Associate("gone.desktop");
    env.WriteFile("drive-c/share/readme.txt", "not a program");
    env.WriteFile("drive-d/apps/office/program/LOWRITER", "not executable: no viewer");
    desktop.Viewer("drive-d/apps/office/program/soffice");
    OpenRtfDocument(document, "GenSpec", kNotFound, kLaunchFailed);
    std::vector<std::string> started = desktop.Started();
    ASSERT_EQ(started.size(), 2u);
    EXPECT_EQ(started[1], document);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(ViewerLookupTest, ANameThatOnlyEndsInTheViewersNameIsTakenWhenMetFirst) {
    desktop.Script("drive-c/bin/alowriter", "echo alowriter > " + desktop.Record());
    desktop.Viewer("drive-c/bin/lowriter");
    OpenRtfDocument(document, "GenSpec", kNotFound, kLaunchFailed);
    EXPECT_EQ(desktop.Started(), std::vector<std::string>{"alowriter"});
}

TEST_F(ViewerLookupTest, NoViewerAnywhereGivesTheThreeMessagesWithEachPrefixsNumber) {
    OpenRtfDocument(document, "GenSpec", kNotFound, kLaunchFailed);
    EXPECT_EQ(Prompts(), (std::vector<std::string>{"GenSpec1: 0", "GenSpec-Path: ", kNotFound}));
    host.ClearMessages();
    OpenRtfDocument(document, "CustSpec", kNotFound, kLaunchFailed);
    EXPECT_EQ(Prompts(), (std::vector<std::string>{"CustSpec1: 31", "CustSpec-Path: ", kNotFound}));
    EXPECT_EQ(host.Messages().front().Buttons(), forms::vbOKOnly);
    EXPECT_TRUE(desktop.Started(100).empty());
}

TEST_F(ViewerLookupTest, AViewerThatCannotStartIsReportedWithTheSystemsCode) {
    desktop.Script("drive-c/abiword", "");
    env.WriteFile("drive-c/abiword", "no interpreter line: the system cannot run this");
    OpenRtfDocument(document, "CustSpec", kNotFound, kLaunchFailed);
    ASSERT_EQ(host.Messages().size(), 2u);
    EXPECT_EQ(Prompts()[0].rfind("CustSpec2: ", 0), 0u);
    EXPECT_EQ(Prompts()[1], kLaunchFailed);
}

TEST_F(ViewerLookupTest, TheSearchEndsOnLinksBackIntoTheTreeAndStaysFast) {
    namespace fs = std::filesystem;
    // A loop of links on the first drive, and a wide tree of empty folders.
    fs::create_directories(env.Root() + "drive-c/a/b");
    fs::create_directory_symlink(env.Root() + "drive-c", env.Root() + "drive-c/a/b/up");
    fs::create_directory_symlink(env.Root() + "drive-c/a", env.Root() + "drive-c/a/again");
    for (int i = 0; i < 100; ++i)
        fs::create_directories(env.Root() + "drive-c/wide/" + std::to_string(i) + "/x/y");
    std::string viewer = desktop.Viewer("drive-d/deep/1/2/3/4/5/abiword");
    zomel::FSOsearch search;
    auto start = std::chrono::steady_clock::now();
    std::string found = search.searchForFile({"ABIWORD"});
    auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(found, viewer + '\0');
    EXPECT_LT(search.FoldersSearched(), 1000u);
    EXPECT_LT(took, std::chrono::seconds(2));
    EXPECT_EQ(search.searchForFile({"NOTHING-SUCH"}), "");
}

TEST_F(ViewerLookupTest, AWholeMachineIsSearchedWithinItsBounds) {
    ScopedVariable drives("ZOMEL_FIXED_DRIVES", "/");
    zomel::FSOsearch search;
    auto start = std::chrono::steady_clock::now();
    search.searchForFile({"NO-VIEWER-HAS-THIS-NAME"});
    EXPECT_LE(search.FoldersSearched(), zomel::FSOsearch::kMostFolders);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}
