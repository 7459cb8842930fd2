#include "modelspec/FrmGenSpec.h"

#include "core/Globals.h"
#include "modelspec/ViewerLookup.h"
#include "modelspec/engine/TemplateStream.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"

namespace zomel {
namespace {

const char* const kNotFound =
    "Could not find a suitable viewer for RTF (Rich Text Format) files.  Microsoft WordPad can "
    "be installed from your Windows CD-ROM.";
const char* const kLaunchFailed =
    "Could not launch a suitable viewer for RTF (Rich Text Format) file.  Microsoft WordPad can "
    "be installed from your Windows CD-ROM.";

}  // namespace

FrmGenSpec::FrmGenSpec() : SpecWindow("FrmGenSpec") {}

void FrmGenSpec::Window_Load() {
    const std::string folder = os::ProgramFolder();
    // A template that cannot be read leaves the last document alone and opens nothing.
    MakeDocument([&] {
        // A documents folder that cannot be made is reported as the document's failure.
        const std::string output = os::JoinPath(os::DocumentFolder(), "ZomelSpec.rtf");
        std::string templ =
            ReadTemplate(os::JoinPath(folder, Zomel2Mode ? "ZomelSpec2.hms" : "ZomelSpec.hms"));
        os::ReplaceAllBytes(output, templ);
        OpenRtfDocument(output, "GenSpec", kNotFound, kLaunchFailed);
    });
}

}  // namespace zomel
