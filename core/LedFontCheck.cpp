#include "core/LedFontCheck.h"

#include <string>
#include <vector>

#include "core/Diagnostics.h"
#include "core/FontTable.h"
#include "core/StringText.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Interaction.h"
#include "platform/gdi/FontRegistry.h"
#include "platform/os/Paths.h"
#include "platform/vb/Error.h"

namespace zomel {
namespace {

constexpr vb::Long kFontsMissingId = 47002;
constexpr vb::Long kOtherFaceId = 47003;
constexpr vb::Long kMissingId = 47004;
constexpr vb::Long kDamagedId = 47005;

// The faces the program sizes signs with: the block fonts of the table and the gap font.
std::vector<std::string> SizingFaces() {
    std::vector<std::string> faces;
    for (const FontRecord& font : FontTable)
        if (!font.Name.empty()) faces.push_back(font.Name);
    faces.push_back(kGapFontName);
    return faces;
}

std::string SurveyText(const gdi::FontRegistry::LedSurvey& survey) {
    // The folder has a line of its own, so that a box too narrow for it cannot break it
    // in the middle of a name.
    std::string text =
        Text(kFontsMissingId, "Some LED block fonts are missing or damaged in the folder") + ":\r" +
        survey.folder + "\r";
    const std::string missing = Text(kMissingId, "missing");
    for (const std::string& file : survey.missing)
        text += "\r" + file + " (" + missing + ")";
    const std::string damaged = Text(kDamagedId, "damaged");
    for (const std::string& file : survey.damaged)
        text += "\r" + file + " (" + damaged + ")";
    return text + "\r\r" +
           Text(kOtherFaceId,
                "Until VELDO ZOMELBuilder is reinstalled, signs are sized with another face, "
                "so their size and price may be wrong.");
}

}  // namespace

void CheckLedFonts() {
    const gdi::FontRegistry::LedSurvey survey =
        gdi::FontRegistry::Instance().SurveyLedFaces(SizingFaces());
    if (survey.Complete()) return;
    for (const std::string& file : survey.missing)
        LogHandledError(
            "Load LED fonts",
            vb::ErrObject{vb::err::kFileNotFound,
                          "The font file " + os::JoinPath(survey.folder, file) + " is missing",
                          vb::ProjectName()});
    forms::MsgBox(SurveyText(survey), forms::vbExclamation, "VELDO ZOMELBuilder");
}

}  // namespace zomel
