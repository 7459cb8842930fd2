// Damaged window descriptions, data files, documents and desktop entries go through the readers
// the program uses for them: each is refused with a message that names its file, or read
// safely; nothing crashes, hangs or runs away.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/LogChannel.h"
#include "editor/frmClipList.h"
#include "editor/frmGallery.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/Components.h"
#include "platform/com/Creation.h"
#include "platform/forms/Description.h"
#include "platform/forms/Form.h"
#include "platform/forms/RtfDocument.h"
#include "platform/forms/StringTable.h"
#include "platform/os/Association.h"
#include "platform/os/Ini.h"
#include "platform/os/Settings.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"
#include "tests/badinput/DamagedFiles.h"
#include "tests/core/startup/StartupFixture.h"
#include "tests/support/HostPrompts.h"

namespace {

namespace fs = std::filesystem;

std::string NameOf(const std::string& file) {
    return fs::path(file).filename().string();
}

// A run with a program folder of its own, into which a test puts damaged files.
class FileBadInputTest : public StartupTest {
protected:
    void SetUp() override {
        StartupTest::SetUp();
        app_ = env.UseProgramFolder();
    }

    // Puts a copy of the damaged `file` at `name` in the program folder; gives its path.
    std::string Install(const std::string& file, const std::string& name) {
        fs::create_directories(fs::path(app_ + name).parent_path());
        fs::copy_file(file, app_ + name, fs::copy_options::overwrite_existing);
        forms::ReloadWindowDescriptions();
        forms::ReloadStringTable();
        return app_ + name;
    }

    // The program's own windows and strings, so that its windows load from this folder.
    void InstallWindows() {
        const auto replace = fs::copy_options::recursive | fs::copy_options::overwrite_existing;
        fs::copy("forms", app_ + "forms", replace);
        fs::copy("strings.tsv", app_ + "strings.tsv", replace);
        forms::ReloadWindowDescriptions();
        forms::ReloadStringTable();
    }

    // Raises the error `number` with a message that holds `text`.
    template <class Act>
    void ExpectRefusal(Act&& act, vb::Long number, const std::string& text) {
        try {
            act();
            ADD_FAILURE() << "not refused";
        } catch (const vb::VbError& error) {
            EXPECT_EQ(error.Number(), number) << error.Description();
            EXPECT_NE(error.Description().find(text), std::string::npos) << error.Description();
        }
    }

    std::string app_;
};

// --- window descriptions

TEST_F(FileBadInputTest, AWindowWithADamagedDescriptionStaysUnloadedNamingItsFile) {
    for (const std::string& file : FilesIn("forms")) {
        SCOPED_TRACE(NameOf(file));
        const std::string path = Install(file, "forms/frmDamaged.json");
        forms::Form window("frmDamaged");
        // The next use tries again, and is refused again.
        for (int attempt = 0; attempt < 2; ++attempt) {
            try {
                window.Show();
                ADD_FAILURE() << "shown";
            } catch (const vb::VbError& error) {
                EXPECT_NE(error.Description().find(path), std::string::npos) << error.Description();
            }
            EXPECT_FALSE(window.IsLoaded());
            EXPECT_FALSE(window.Visible());
        }
    }
}

TEST_F(FileBadInputTest, NumbersADescriptionCannotHoldAreRefusedOrKeptWhole) {
    const std::string path = forms::WindowDescriptionPath("frmDamaged");
    forms::Form window("frmDamaged");
    forms::ParseWindowDescription(
        "frmDamaged", R"({"Controls": [{"Type": "Label", "Name": "lbl", "Index": 40000}]})");
    ExpectRefusal([&] { window.Load(); }, vb::err::kInvalidFileFormat,
                  "The window frmDamaged cannot be loaded from " + path +
                      ": The control index 40000 is not a whole number from -1 to 32767");
    EXPECT_FALSE(window.IsLoaded());
    forms::ParseWindowDescription(
        "frmDamaged",
        R"({"Controls": [{"Type": "MSFlexGrid", "Name": "grd", "ColWidth": [1e300]}]})");
    ExpectRefusal([&] { window.Load(); }, vb::err::kInvalidFileFormat,
                  "The column width 1e+300 is not a whole number from -1 to 2147483647");
    EXPECT_FALSE(window.IsLoaded());
    // A whole number beyond 32 bits is not cut to 32.
    forms::ParseWindowDescription("frmDamaged", R"({"Tag": 4000000000})");
    window.Load();
    EXPECT_EQ(window.Tag(), "4000000000");
}

// --- documents

TEST(RtfBadInputs, EveryDamagedDocumentIsReadQuicklyAndShowsTheTextOfItsBody) {
    const std::map<std::string, std::string> shown = {
        {"unbalanced-groups.rtf", "bold both\nafter"},  // the first close of the body ends it
        {"huge-bin.rtf", "A"},                          // the binary data runs to the end
        {"deep-nesting.rtf", "deep\nend"},
    };
    for (const std::string& file : FilesIn("rtf")) {
        SCOPED_TRACE(NameOf(file));
        const std::string source = TestEnvironment::ReadFile(file);
        forms::RtfDocument document;
        ExpectQuickly(file, [&] { document.SetRtf(source); });
        EXPECT_LE(static_cast<size_t>(document.Length()), source.size());
        EXPECT_EQ(document.TextRange(0, document.Length()), document.Text());
        if (auto expected = shown.find(NameOf(file)); expected != shown.end()) {
            EXPECT_EQ(document.Text(), expected->second);
        }
        // Edits stay within the document.
        document.ReplaceText(document.Length() / 2, document.Length(), "end");
        EXPECT_TRUE(document.Text().ends_with("end"));
    }
}

// --- the string table

TEST_F(FileBadInputTest, ADamagedStringTableIsNamedWhenItLacksAText) {
    for (const std::string& file : FilesIn("strings")) {
        SCOPED_TRACE(NameOf(file));
        const std::string path = Install(file, "strings.tsv");
        ExpectRefusal([] { forms::LoadResString(10510); }, vb::err::kResourceNotFound,
                      "the string table " + path);
    }
}

TEST_F(FileBadInputTest, AStringTableKeepsWhatItCannotUnescapeAndSkipsWhatIsNoEntry) {
    const std::string path =
        Install(std::string(ZOMEL_BAD_INPUTS) + "/strings/bad-escapes.tsv", "strings.tsv");
    EXPECT_EQ(forms::LoadResString(10508), "Unable to find \\q the file \\");
    EXPECT_EQ(forms::LoadResString(10509), "ends in a backslash \\");
    EXPECT_EQ(forms::LoadResString(-7), "negative");
    // An id with blanks about it is no id.
    ExpectRefusal([] { forms::LoadResString(15); }, vb::err::kResourceNotFound,
                  "Resource with identifier '15' not found in the string table " + path);
    ExpectRefusal([] { forms::LoadResString(16); }, vb::err::kResourceNotFound, path);
}

TEST_F(FileBadInputTest, AStringTableWithoutEntriesSaysSo) {
    const std::string path =
        Install(std::string(ZOMEL_BAD_INPUTS) + "/strings/binary.tsv", "strings.tsv");
    ExpectRefusal([] { forms::LoadResString(10508); }, vb::err::kResourceNotFound,
                  "Resource with identifier '10508' not found: the string table " + path +
                      " holds no entries");
}

// --- the components manifest and the class registry

TEST_F(FileBadInputTest, ADamagedManifestLeavesTheControlToTheClassRegistry) {
    for (const std::string& file : FilesIn("manifest")) {
        SCOPED_TRACE(NameOf(file));
        Install(file, "components.manifest");
        EXPECT_NE(com::CreateObject("VELDOSign.SignOcx"), nullptr);
    }
}

TEST_F(FileBadInputTest, ADamagedManifestIsNamedWhenTheControlCannotBeCreated) {
    fs::remove(com::ClassRegistryPath());
    for (const std::string& file : FilesIn("manifest")) {
        SCOPED_TRACE(NameOf(file));
        const std::string path = Install(file, "components.manifest");
        ExpectRefusal([] { com::CreateObject("VELDOSign.SignOcx"); }, vb::err::kCannotCreateObject,
                      "the program's " + path);
    }
    Install(std::string(ZOMEL_BAD_INPUTS) + "/manifest/library-missing.manifest",
            "components.manifest");
    ExpectRefusal([] { com::CreateObject("VELDOSign.SignOcx"); }, vb::err::kCannotCreateObject,
                  "names " + app_ + "gone/libveldosign.so, which cannot be used");
}

TEST_F(FileBadInputTest, ADamagedClassRegistryIsNamedWhenTheControlCannotBeCreated) {
    for (const std::string& file : FilesIn("registry")) {
        SCOPED_TRACE(NameOf(file));
        fs::copy_file(file, com::ClassRegistryPath(), fs::copy_options::overwrite_existing);
        ExpectRefusal([] { com::CreateObject("VELDOSign.SignOcx"); }, vb::err::kCannotCreateObject,
                      "the class registry " + com::ClassRegistryPath());
    }
}

// --- INI files and the settings file

TEST_F(FileBadInputTest, DamagedIniFilesGiveWhatTheirSectionSaysOrTheDefault) {
    const std::string windows = env.UseWindowsFolder();
    fs::copy_file(std::string(ZOMEL_BAD_INPUTS) + "/ini/garbled.ini", windows + "Veldo.ini");
    // Far below the 32-bit range: the least number there is; an unmatched quote stays.
    EXPECT_EQ(os::GetPrivateProfileInt("ZomelBuilder", "DebugLevel", 4, "Veldo.ini"), INT32_MIN);
    EXPECT_EQ(os::GetPrivateProfileString("ZomelBuilder", "LogFile", "", "Veldo.ini"),
              "\"unclosed");
    EXPECT_EQ(os::GetPrivateProfileInt("ZomelBuilder", "Missing", 4, "Veldo.ini"), 4);
    fs::copy_file(std::string(ZOMEL_BAD_INPUTS) + "/ini/binary.ini", windows + "Veldo.ini",
                  fs::copy_options::overwrite_existing);
    EXPECT_EQ(os::GetPrivateProfileInt("ZomelBuilder", "DebugLevel", 4, "Veldo.ini"), 0);
}

TEST_F(FileBadInputTest, ADamagedSettingsFileKeepsWhatItHoldsWhenASettingIsSaved) {
    fs::create_directories(env.ConfigFolder());
    fs::copy_file(std::string(ZOMEL_BAD_INPUTS) + "/settings/garbled.ini",
                  env.ConfigFolder() + "settings.ini");
    auto expectHeld = [] {
        // A "%" without two hex digits stays as it is; a line before any section belongs to
        // none; only the first of two sections of one name is read.
        EXPECT_EQ(os::GetSetting("ZomelBuilder", "Window", "Left", "-"), "%ZZ%4");
        EXPECT_EQ(os::GetSetting("ZomelBuilder", "Window", "Top", "-"), "=%0");
        EXPECT_EQ(os::GetSetting("ZomelBuilder", "Window", "Orphan", "-"), "-");
    };
    expectHeld();
    os::SaveSetting("ZomelBuilder", "Window", "Width", "9000");
    expectHeld();
    EXPECT_EQ(os::GetSetting("ZomelBuilder", "Window", "Width", "-"), "9000");
}

// --- the stock messages and the gallery's list

TEST_F(FileBadInputTest, StockMessagesOfOddBytesAreListedAsText) {
    InstallWindows();
    Install(std::string(ZOMEL_BAD_INPUTS) + "/cliptext/odd-bytes.txt", "ClipText.txt");
    auto& clipList = forms::Instance<zomel::frmClipList>();
    clipList.Load();
    forms::ListBox& list = *clipList.LstClipText;
    ASSERT_EQ(list.ListCount(), 5 + 4);
    EXPECT_EQ(list.List(5), std::string("FOG\0AHEAD", 9));
    EXPECT_EQ(list.List(8), "LAST LINE WITHOUT AN END");
    for (vb::Integer i = 5; i < list.ListCount(); ++i)
        EXPECT_EQ(vb::FromUtf32(vb::ToUtf32(list.List(i))), list.List(i)) << "not UTF-8: " << i;
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(FileBadInputTest, AStockFileLongerThanTheListFillsItAndSaysSo) {
    InstallWindows();
    std::string text;
    for (int line = 0; line < 40000; ++line)
        text += "MESSAGE " + std::to_string(line) + "\r\n";
    const std::string path = env.WriteFile("app/ClipText.txt", text);
    auto& clipList = forms::Instance<zomel::frmClipList>();
    clipList.Load();
    EXPECT_EQ(clipList.LstClipText->ListCount(), 32767);
    EXPECT_EQ(clipList.LstClipText->List(32766), "MESSAGE 32761");
    EXPECT_EQ(PromptsOf(host),
              (std::vector<std::string>{"Unable to locate " + path +
                                        ".  You may need to reinstall ZOMELBuilder."}));
}

TEST_F(FileBadInputTest, EveryDamagedPhotoListFailsTheGalleryLoadNamingTheFile) {
    InstallWindows();
    for (const char* photo : {"t_1.jpg", "t_2.jpg"})
        Install(std::string("gifs_jpegs/") + photo, std::string("gifs_jpegs/") + photo);
    const std::string log = env.Root() + "run.log";
    ASSERT_TRUE(zomel::OpenLog(log));
    for (const std::string& file : FilesIn("gallery")) {
        SCOPED_TRACE(NameOf(file));
        host.ClearMessages();
        Install(file, "gifs_jpegs/pic.txt");
        auto& gallery = forms::Instance<zomel::frmGallery>();
        gallery.Load();
        EXPECT_FALSE(gallery.GalleryLoaded);
        ASSERT_EQ(host.Messages().size(), 1u);
        EXPECT_NE(host.Messages().back().prompt.find("under development"), std::string::npos);
        EXPECT_NE(LogLines(log).back().find("5 gifs_jpegs/pic.txt: "), std::string::npos)
            << LogLines(log).back();
        gallery.Unload();
    }
    zomel::CloseLog();
}

// --- desktop entries

TEST(DesktopEntryBadInputs, EveryDamagedEntryGivesNoCommandOrItsLiteralArguments) {
    const std::map<std::string, std::vector<std::string>> commands = {
        {"document-as-program.desktop", {}},
        {"empty-exec.desktop", {}},
        {"empty-program.desktop", {}},
        {"unclosed-quote.desktop", {}},
        {"lone-percent.desktop", {"viewer", "%"}},  // not a field code: taken as it stands
    };
    for (const std::string& file : FilesIn("desktop")) {
        SCOPED_TRACE(NameOf(file));
        ASSERT_TRUE(commands.contains(NameOf(file)));
        EXPECT_EQ(os::DesktopEntryCommand(TestEnvironment::ReadFile(file)),
                  commands.at(NameOf(file)));
    }
}

}  // namespace
