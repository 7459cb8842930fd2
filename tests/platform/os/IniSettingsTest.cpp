#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/os/Files.h"
#include "platform/os/Ini.h"
#include "platform/os/Paths.h"
#include "platform/os/Settings.h"
#include "platform/os/SettingsStore.h"
#include "tests/platform/os/TempHome.h"
#include "tests/support/ErrorNumber.h"
#include "tests/support/OtherCopyHolding.h"

using namespace os;

class Ini : public TempHome {
protected:
    void SetUp() override {
        TempHome::SetUp();
        ::setenv("ZOMEL_WINDIR", (root_ + "win").c_str(), 1);
        WriteFile("win/Veldo.ini",
                  "; diagnostics\r\n"
                  "[Other]\r\n"
                  "DebugLevel=7\r\n"
                  "[ ZomelBuilder ]\r\n"
                  "  debuglevel =  12abc  \r\n"
                  "Logfile= \"c:\\logs\\run\" \r\n"
                  ";Hidden=1\r\n"
                  "Negative=-42\r\n"
                  "Word=abc\r\n"
                  "Empty=\r\n"
                  "Quoted='it''s'\r\n"
                  "Inline=a ; b\r\n"
                  "Huge=99999999999\r\n"
                  "[ZOMELBUILDER]\r\n"
                  "Later=1\r\n");
    }
};

TEST_F(Ini, ReadsIntegersAsTheSystemDoes) {
    EXPECT_EQ(GetPrivateProfileInt("zomelbuilder", "DebugLevel", 0, "Veldo.ini"), 12);
    EXPECT_EQ(GetPrivateProfileInt("Other", "DebugLevel", 0, "Veldo.ini"), 7);
    EXPECT_EQ(GetPrivateProfileInt("ZomelBuilder", "Negative", 0, "Veldo.ini"), -42);
    EXPECT_EQ(GetPrivateProfileInt("ZomelBuilder", "Word", 5, "Veldo.ini"), 0);
    EXPECT_EQ(GetPrivateProfileInt("ZomelBuilder", "Empty", 5, "Veldo.ini"), 5);
    EXPECT_EQ(GetPrivateProfileInt("ZomelBuilder", "Huge", 0, "Veldo.ini"), 2147483647);
    EXPECT_EQ(GetPrivateProfileInt("ZomelBuilder", "Hidden", 3, "Veldo.ini"), 3);
    // Only the first section of a name is read.
    EXPECT_EQ(GetPrivateProfileInt("ZomelBuilder", "Later", 3, "Veldo.ini"), 3);
    EXPECT_EQ(GetPrivateProfileInt("Missing", "DebugLevel", 4, "Veldo.ini"), 4);
    EXPECT_EQ(GetPrivateProfileInt("ZomelBuilder", "DebugLevel", 4, "Nothere.ini"), 4);
}

TEST_F(Ini, ReadsStringsTrimmedAndUnquoted) {
    EXPECT_EQ(GetPrivateProfileString("ZomelBuilder", "Logfile", "", "Veldo.ini"), "c:\\logs\\run");
    EXPECT_EQ(GetPrivateProfileString("ZomelBuilder", "Quoted", "", "Veldo.ini"), "it''s");
    EXPECT_EQ(GetPrivateProfileString("ZomelBuilder", "Inline", "", "Veldo.ini"), "a ; b");
    EXPECT_EQ(GetPrivateProfileString("ZomelBuilder", "Empty", "dflt", "Veldo.ini"), "");
    EXPECT_EQ(GetPrivateProfileString("ZomelBuilder", "Nokey", "dflt", "Veldo.ini"), "dflt");
    EXPECT_EQ(GetPrivateProfileString("ZomelBuilder", "Logfile", "", "Veldo.ini", 4), "c:\\l");
    // A path with a folder is read where it points.
    std::string other = WriteFile("elsewhere/a.ini", "[s]\nk=v\n");
    EXPECT_EQ(GetPrivateProfileString("S", "K", "", other), "v");
}

using Settings = TempHome;

TEST_F(Settings, RoundTripAndPersist) {
    EXPECT_EQ(GetSetting("ZomelBuilder", "Units", "LengthUnit", "in"), "in");
    EXPECT_FALSE(FolderExists(ConfigFolder()));  // a read creates nothing
    SaveSetting("ZomelBuilder", "Units", "LengthUnit", "cm");
    SaveSetting("VELDO ZOMELBuilder", "Settings", "MainLeft", "120");
    SaveSetting("ZomelBuilder", "Units", "lengthunit", "ft");
    EXPECT_EQ(GetSetting("zomelbuilder", "UNITS", "LengthUnit", "in"), "ft");
    EXPECT_EQ(GetSetting("VELDO ZOMELBuilder", "Settings", "MainLeft"), "120");
    EXPECT_EQ(GetSetting("VELDO ZOMELBuilder", "Units", "MainLeft", "none"), "none");

    std::string odd = "a=b\r\n[x]\\y %41 ; \xC3\xA9\n  trailing  ";
    SaveSetting("A\\pp", "S]ec[", "k=ey\n", odd);
    EXPECT_EQ(GetSetting("A\\pp", "S]ec[", "k=ey\n"), odd);
    // Names that join to the same text stay apart.
    SaveSetting("A\\", "B", "k", "1");
    SaveSetting("A", "\\B", "k", "2");
    EXPECT_EQ(GetSetting("A\\", "B", "k"), "1");
    EXPECT_EQ(GetSetting("A", "\\B", "k"), "2");

    // The file is the whole store: a fresh copy of it reads the same.
    std::string file = ReadAllBytes(ConfigFolder() + "settings.ini");
    Kill(ConfigFolder() + "settings.ini");
    EXPECT_EQ(GetSetting("ZomelBuilder", "Units", "LengthUnit", "in"), "in");
    ReplaceAllBytes(ConfigFolder() + "settings.ini", file);
    EXPECT_EQ(GetSetting("ZomelBuilder", "Units", "LengthUnit", "in"), "ft");
    EXPECT_EQ(GetSetting("A\\pp", "S]ec[", "k=ey\n"), odd);
    EXPECT_EQ(file.find("\n\n"), std::string::npos);  // one line per value
}

TEST_F(Settings, DeleteKeysAndSections) {
    SaveSetting("App", "Sec", "a", "1");
    SaveSetting("App", "Sec", "b", "2");
    DeleteSetting("App", "Sec", "A");
    EXPECT_EQ(GetSetting("App", "Sec", "a", "gone"), "gone");
    EXPECT_EQ(GetSetting("App", "Sec", "b"), "2");
    EXPECT_EQ(ErrorNumber([] { DeleteSetting("App", "Sec", "a"); }), vb::err::kInvalidCall);
    DeleteSetting("App", "Sec", "");
    EXPECT_EQ(GetSetting("App", "Sec", "b", "gone"), "gone");
    EXPECT_EQ(ErrorNumber([] { DeleteSetting("App", "Sec", ""); }), vb::err::kInvalidCall);
}

TEST_F(Settings, AFileThatCannotBeReadIsNamedAndNotReplaced) {
    const std::string path = ConfigFolder() + "settings.ini";
    std::filesystem::create_directories(path + "/kept");  // its place is not a file
    EXPECT_EQ(GetSetting("App", "Sec", "Key", "default"), "default");
    const vb::ErrObject error = RaisedError([] { SaveSetting("App", "Sec", "Key", "v"); });
    EXPECT_EQ(error.Number, vb::err::kPathFileAccess);
    EXPECT_EQ(error.Description, "Path/File access error: " + path);
    EXPECT_TRUE(std::filesystem::exists(path + "/kept"));
}

TEST_F(Settings, LeavesNoTemporaryFilesBehind) {
    for (int i = 0; i < 5; ++i)
        SaveSetting("App", "Sec", "n", std::to_string(i));
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ConfigFolder())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "settings.ini" || name == "settings.lock") << name;
        ++files;
    }
    EXPECT_EQ(files, 2);
    EXPECT_EQ(GetSetting("App", "Sec", "n"), "4");
}

// Start-up saves the units it has just read: the file must not be written again for that.
TEST_F(Settings, SavingTheValueItHoldsWritesNothing) {
    const std::string path = ConfigFolder() + "settings.ini";
    SaveSetting("App", "Sec", "Unit", "cm");
    // A second name for the file: a rewrite replaces the file and leaves that name behind.
    std::filesystem::create_hard_link(path, path + ".seen");
    SaveSetting("App", "Sec", "unit", "cm");
    EXPECT_EQ(std::filesystem::hard_link_count(path), 2u);
    SaveSetting("App", "Sec", "Unit", "in");
    EXPECT_EQ(std::filesystem::hard_link_count(path), 1u);
    EXPECT_EQ(GetSetting("App", "Sec", "Unit"), "in");
}

// Two copies of the program on one account, each saving its own values at the same time:
// every value of both is in the file afterwards.
TEST_F(Settings, TwoCopiesSavingAtOnceLoseNothing) {
    constexpr int kKeys = 30;
    const auto saveAll = [](const std::string& section) {
        for (int i = 0; i < kKeys; ++i)
            SaveSetting("ZomelBuilder", section, "Key" + std::to_string(i), section);
    };
    const pid_t other = ::fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        try {
            saveAll("Other");
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    saveAll("This");
    int status = 0;
    ASSERT_EQ(::waitpid(other, &status, 0), other);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    for (int i = 0; i < kKeys; ++i) {
        const std::string key = "Key" + std::to_string(i);
        EXPECT_EQ(GetSetting("ZomelBuilder", "This", key, "lost"), "This") << key;
        EXPECT_EQ(GetSetting("ZomelBuilder", "Other", key, "lost"), "Other") << key;
    }
}

// The units window saves all three units; the ones its person left as they were must not
// undo what another copy chose meanwhile.
TEST_F(Settings, AValueThisCopyDidNotChangeLeavesAnotherCopysChange) {
    SaveSetting("ZomelBuilder", "Units", "LengthUnit", "in");
    SaveSetting("ZomelBuilder", "Units", "WeightUnit", "lbs");
    EXPECT_EQ(GetSetting("ZomelBuilder", "Units", "WeightUnit"), "lbs");
    ReplaceAllBytes(ConfigFolder() + "settings.ini",
                    "[ZomelBuilder\\Units]\nLengthUnit=cm\nWeightUnit=kg\n");
    SaveSetting("ZomelBuilder", "Units", "LengthUnit", "in");
    SaveSetting("ZomelBuilder", "Units", "WeightUnit", "lbs");
    EXPECT_EQ(GetSetting("ZomelBuilder", "Units", "LengthUnit"), "cm");
    EXPECT_EQ(GetSetting("ZomelBuilder", "Units", "WeightUnit"), "kg");
    // A change of this copy's own is written, and only that.
    SaveSetting("ZomelBuilder", "Units", "LengthUnit", "ft");
    EXPECT_EQ(GetSetting("ZomelBuilder", "Units", "LengthUnit"), "ft");
    EXPECT_EQ(GetSetting("ZomelBuilder", "Units", "WeightUnit"), "kg");
}

// Another copy stopped in the middle of a save keeps the settings lock: a save waits a few
// seconds, says which file could not be saved and why, and goes on; the value is not lost, the
// next save writes it.  A lock file that cannot be opened is said the same way.
TEST_F(Settings, ALockThatCannotBeHadIsSaidAndTheValueSavedLater) {
    std::vector<std::string> notices;
    SetSettingsNotice([&](const std::string& message) { notices.push_back(message); });
    const std::string settings = ConfigFolder() + "settings.ini";
    std::filesystem::create_directories(ConfigFolder());
    {
        OtherCopyHolding other(ConfigFolder() + "settings.lock");
        const auto start = std::chrono::steady_clock::now();
        SaveSetting("ZomelBuilder", "Settings", "MainLeft", "150");
        SaveSetting("ZomelBuilder", "Settings", "MainTop", "300");
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
        ASSERT_EQ(notices.size(), 1u);
        EXPECT_EQ(notices[0], "The settings file " + settings +
                                  " could not be saved. The lock file " + ConfigFolder() +
                                  "settings.lock is held by another running program. The changes "
                                  "are kept and saved with the next setting this copy saves, if it "
                                  "saves one before it ends.");
        EXPECT_FALSE(FileExists(settings));
        EXPECT_EQ(GetSetting("ZomelBuilder", "Settings", "MainLeft"), "150");
    }
    SaveSetting("ZomelBuilder", "Units", "WeightUnit", "kg");
    const SettingsStore written = SettingsStore::Parse(ReadAllBytes(settings));
    ASSERT_NE(written.Find("ZomelBuilder", "Settings", "MainLeft"), nullptr);
    EXPECT_EQ(*written.Find("ZomelBuilder", "Settings", "MainLeft"), "150");
    ASSERT_NE(written.Find("ZomelBuilder", "Settings", "MainTop"), nullptr);
    EXPECT_EQ(*written.Find("ZomelBuilder", "Settings", "MainTop"), "300");

    ReplaceAllBytes(settings, "");
    std::filesystem::remove(ConfigFolder() + "settings.lock");
    std::filesystem::create_directory(ConfigFolder() + "settings.lock");
    notices.clear();
    SaveSetting("ZomelBuilder", "Units", "LengthUnit", "m");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("The settings file " + settings +
                              " could not be saved. The lock file " + ConfigFolder() +
                              "settings.lock cannot be opened: " + std::strerror(EISDIR)),
              std::string::npos)
        << notices[0];
    EXPECT_EQ(ReadAllBytes(settings), "");
    std::filesystem::remove(ConfigFolder() + "settings.lock");
    SaveSetting("ZomelBuilder", "Units", "CharSizeUnit", "cm");
    EXPECT_EQ(GetSetting("ZomelBuilder", "Units", "LengthUnit"), "m");
    EXPECT_NE(ReadAllBytes(settings).find("LengthUnit=m"), std::string::npos);
    SetSettingsNotice({});
}
