#include "app/Main.h"

#include <cerrno>
#include <cstring>

#include "core/Catalogue.h"
#include "core/Diagnostics.h"
#include "core/Globals.h"
#include "core/LedFontCheck.h"
#include "core/LogChannel.h"
#include "core/RunState.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "editor/frmSplash.h"
#include "platform/forms/Instance.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/os/Files.h"
#include "platform/os/Ini.h"
#include "platform/os/Paths.h"
#include "platform/os/Settings.h"
#include "platform/os/TempFiles.h"
#include "platform/printer/Printer.h"
#include "platform/vb/Error.h"
#include "platform/vb/HandledErrors.h"
#include "platform/vb/NamingFile.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

const char* const kIniFile = "Veldo.ini";
const char* const kIniSection = "ZomelBuilder";
constexpr size_t kLogfileChars = 256;
constexpr vb::Long kModelNumberLabel = 8000;
// The estimate's column headers and unit names follow in the order LoadTexts reads them.
constexpr vb::Long kFirstHeaderText = 15000;

// Creates the log anew.  A path that cannot be opened falls back to the default log, so that
// the run still has one; the failure is raised for the caller's handler to report.
void OpenRunLog(frmMain& main) {
    if (OpenLog(main.LogPath)) return;
    const int cause = errno;
    std::string wanted = main.LogPath;
    main.LogPath = ChooseLogPath("", TempFolder);
    OpenLog(main.LogPath);
    vb::Raise(vb::err::kPathFileAccess,
              "The log file " + wanted + " could not be opened: " + std::strerror(cause));
}

// The main window's run file and the printer's spool: what a run leaves in the temporary
// folder when it is killed.
void RemoveLeftTempFiles() {
    os::RemoveStaleTempFiles(TempFolder,
                             {frmMain::kTempFileStem, forms::PrinterObject::kSpoolStem});
}

// A setting that waits for another copy to let go of the file is said in a box, and logged.
void TellSettingsNotice(const std::string& message) {
    LogHandledError("Settings",
                    vb::ErrObject{vb::err::kPermissionDenied, message, vb::ProjectName()});
    forms::MsgBox(message, forms::vbExclamation);
}

void LoadTexts() {
    std::string* texts[] = {&HdrDescription, &HdrSellingPrice, &HdrQuantity, &HdrSubTotal,
                            &UnitPix,        &UnitIn,          &UnitCm,      &HdrPartNumber};
    vb::Long id = kFirstHeaderText;
    for (std::string* text : texts)
        *text = forms::LoadResString(id++);
}

}  // namespace

std::string ChooseLogPath(const std::string& logfile, const std::string& tempFolder) {
    if (logfile.empty()) return tempFolder + "ZB.tmp";
    // A name with a three-letter extension keeps it; anything else gets ".txt".
    if (vb::Len(logfile) >= 4 && vb::Mid(logfile, vb::Len(logfile) - 3, 1) == ".") return logfile;
    return logfile + ".txt";
}

void Main() {
    ResetRunState();
    std::string logfile;
    // Every step runs on its own: a failure is reported and start-up goes on; a missing file
    // (the old log) is no failure.
    vb::OnError step([] {
        if (vb::Err().Number == vb::err::kFileNotFound)
            vb::Err().Clear();
        else
            ReportError("Module sub main - Error Catch");
    });
    step([] { ResetOptions(); });
    step([] { LoadTexts(); });
    // A TMPDIR that is no folder is passed over for one of the user's own, and said once.
    step([] {
        std::string passedOver;
        TempFolder = os::TempFolder(&passedOver);
        if (!passedOver.empty()) vb::Raise(vb::err::kPathNotFound, passedOver);
    });
    step([] {
        DebugLevel = static_cast<vb::Integer>(
            os::GetPrivateProfileInt(kIniSection, "DebugLevel", 0, kIniFile));
    });
    step([&] {
        // The path keeps its letter case: file systems here tell cases apart.
        logfile = os::GetPrivateProfileString(kIniSection, "Logfile", "", kIniFile, kLogfileChars);
        logfile = logfile.substr(0, logfile.find('\0'));
    });
    step([] { gSign = std::make_shared<Sign>(); });
    step([] { MainForm = &forms::Instance<frmMain>(); });
    step([&] { MainForm->LogPath = ChooseLogPath(logfile, TempFolder); });
    step([] { RemoveLeftTempFiles(); });
    // A log folder that does not exist holds no old log either; opening will say so.
    step([] {
        vb::PassOver(vb::err::kPathNotFound, [] {
            vb::NamingFile(MainForm->LogPath, [] { os::Kill(MainForm->LogPath); });
        });
    });
    step([] { OpenRunLog(*MainForm); });
    // What the runtime passes over itself (a damaged font, say) is logged from here on.
    step([] { vb::SetHandledErrorSink(LogHandledError); });
    step([] { os::SetSettingsNotice(TellSettingsNotice); });
    step([] {
        frmSplash& splash = forms::Instance<frmSplash>();
        splash.SetVisible(true);
        splash.Refresh();
    });
    // The main window is the program: when it cannot be built, the person is told why at the
    // end, once, and the program ends instead of running without a window.
    vb::ErrObject mainWindowFailure;
    vb::OnError mainWindowStep([&] {
        mainWindowFailure = vb::Err();
        LogError("Module sub main - Error Catch");
    });
    mainWindowStep([] { MainForm->Load(); });
    step([] { ModelNumberLabel = forms::LoadResString(kModelNumberLabel); });
    step([] {
        if (MainForm->IsLoaded()) MainForm->Show();
    });
    step([] { forms::Instance<frmSplash>().Unload(); });
    // Once the first sign is laid out: a sign sized in another face is told about at once.
    step([] {
        if (MainForm->Visible()) CheckLedFonts();
    });
    if (MainForm == nullptr || !MainForm->Visible()) ReportCannotStart(mainWindowFailure);
}

}  // namespace zomel
