#include "modelspec/FrmSpec.h"

#include "core/Globals.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "modelspec/ViewerLookup.h"
#include "modelspec/engine/TemplateStream.h"
#include "platform/forms/StringTable.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"

namespace zomel {
namespace {

constexpr vb::Long kNotFoundId = 11705;
constexpr vb::Long kLaunchFailedId = 11706;

}  // namespace

FrmSpec::FrmSpec() : SpecWindow("FrmSpec") {}

std::string FrmSpec::GetTokenValue(std::string_view token) const {
    return zomel::GetTokenValue(figures_, *gSign, token);
}

void FrmSpec::Window_Load() {
    figures_ = PrepareSpecFigures(*gSign, MainForm->HighDensity);
    const std::string folder = os::ProgramFolder();
    MakeDocument([&] {
        // A documents folder that cannot be made is reported as the document's failure.
        const std::string output = os::JoinPath(os::DocumentFolder(), "CustomSpec.rtf");
        std::string templ =
            ReadTemplate(os::JoinPath(folder, Zomel2Mode ? "CustomSpec2.hms" : "CustomSpec.hms"));
        // The document begins with the head of "E.hms"; the template follows it.
        std::string document = ReadTemplate(os::JoinPath(folder, "E.hms"));
        document +=
            StreamTemplate(templ, [this](std::string_view token) { return GetTokenValue(token); });
        os::ReplaceAllBytes(output, document);
        OpenRtfDocument(output, "CustSpec", forms::LoadResString(kNotFoundId),
                        forms::LoadResString(kLaunchFailedId));
    });
}

}  // namespace zomel
