// The program creates the display control it ships from its own folder, whatever the per-user
// class registry holds; when neither serves it, the error says what is missing and the cure.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/com/ClassRegistry.h"
#include "platform/com/Components.h"
#include "platform/com/Creation.h"
#include "platform/com/ServerLibrary.h"
#include "platform/forms/UserControl.h"
#include "signctl/SignOcxClass.h"
#include "tests/support/ErrorNumber.h"
#include "tests/support/TestEnvironment.h"

namespace {

vb::ErrObject CreationFailure() {
    return RaisedError([] { com::CreateObject(veldo::kSignOcxProgId); });
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A fresh home each, so the registry starts empty; the program folder is the build's.
class ShippedControl : public ::testing::Test {
protected:
    // A program folder of its own holding the build's manifest and, when asked, the library.
    std::string CopyProgramFolder(bool withLibrary) {
        std::string folder = env.UseProgramFolder();
        std::filesystem::copy_file(built_ + "components.manifest", folder + "components.manifest");
        if (withLibrary) std::filesystem::copy_file(VELDOSIGN_LIBRARY, folder + "libveldosign.so");
        return folder;
    }

    const std::string built_ =
        std::filesystem::path(VELDOSIGN_LIBRARY).parent_path().string() + "/";
    TestEnvironment env;
};

TEST_F(ShippedControl, TheManifestNamesTheControlsClassAndLibrary) {
    EXPECT_EQ(com::ShippedClsidOf("veldosign.signocx"), veldo::kSignOcxClsid);
    EXPECT_EQ(com::ShippedLibraryOf(veldo::kSignOcxClsid), built_ + "libveldosign.so");
    EXPECT_TRUE(std::filesystem::exists(*com::ShippedLibraryOf(veldo::kSignOcxClsid)));
}

TEST_F(ShippedControl, AnEmptyRegistryStillGetsTheControl) {
    ASSERT_FALSE(com::ClsidOf(veldo::kSignOcxProgId));
    auto control = com::CreateObject(veldo::kSignOcxProgId);
    ASSERT_NE(dynamic_cast<forms::UserControl*>(control.get()), nullptr);
    EXPECT_NE(com::CreateInstance(veldo::kSignOcxClsid), nullptr);
}

TEST_F(ShippedControl, ARegistryEntryOfAnotherCopyIsNotUsed) {
    // Another checkout's registration, now pointing at nothing.
    com::RegisterClass(veldo::kSignOcxClsid, veldo::kSignOcxProgId, "/gone/libveldosign.so");
    EXPECT_NE(com::CreateObject(veldo::kSignOcxProgId), nullptr);
}

TEST_F(ShippedControl, WithoutItsLibraryTheProgramFallsBackToTheRegistry) {
    CopyProgramFolder(false);
    com::RegisterServer(VELDOSIGN_LIBRARY);
    EXPECT_NE(com::CreateObject(veldo::kSignOcxProgId), nullptr);
}

TEST_F(ShippedControl, AProgramFolderCopiedWholeWorksOnItsOwn) {
    std::string folder = CopyProgramFolder(true);
    EXPECT_EQ(com::ShippedLibraryOf(veldo::kSignOcxClsid), folder + "libveldosign.so");
    EXPECT_NE(com::CreateObject(veldo::kSignOcxProgId), nullptr);
}

TEST_F(ShippedControl, NeitherLibraryNorRegistrySaysWhatIsMissingAndTheCure) {
    std::string folder = CopyProgramFolder(false);
    vb::ErrObject failure = CreationFailure();
    EXPECT_EQ(failure.Number, vb::err::kCannotCreateObject);
    EXPECT_TRUE(Contains(failure.Description, "VELDOSign.SignOcx")) << failure.Description;
    EXPECT_TRUE(Contains(failure.Description, folder + "libveldosign.so")) << failure.Description;
    EXPECT_TRUE(Contains(failure.Description, com::ClassRegistryPath())) << failure.Description;
    EXPECT_TRUE(Contains(failure.Description, "Reinstall")) << failure.Description;
    EXPECT_TRUE(Contains(failure.Description, "regsvr " + folder + "libveldosign.so"))
        << failure.Description;
}

TEST_F(ShippedControl, ARegistryEntryPointingNowhereIsNamed) {
    std::string folder = env.UseProgramFolder();  // no manifest at all
    com::RegisterClass(veldo::kSignOcxClsid, veldo::kSignOcxProgId, "/gone/libveldosign.so");
    vb::ErrObject failure = CreationFailure();
    EXPECT_EQ(failure.Number, vb::err::kCannotCreateObject);
    EXPECT_TRUE(Contains(failure.Description, "/gone/libveldosign.so")) << failure.Description;
    EXPECT_TRUE(Contains(failure.Description, folder + "components.manifest"))
        << failure.Description;
}

TEST_F(ShippedControl, AnUnreadableRegistryIsSaid) {
    env.UseProgramFolder();
    std::filesystem::create_directories(env.ConfigFolder());
    std::filesystem::create_directory(com::ClassRegistryPath());  // a folder where the file is
    vb::ErrObject failure = CreationFailure();
    EXPECT_EQ(failure.Number, vb::err::kCannotCreateObject);
    EXPECT_TRUE(Contains(failure.Description, com::ClassRegistryPath() + " (unreadable"))
        << failure.Description;
}

}  // namespace
