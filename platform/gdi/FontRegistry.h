#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/gdi/BdfFont.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Typeface.h"

struct FT_LibraryRec_;

namespace gdi {

// Finds the typeface for a logical font.  The LED block fonts ("VELDO CxR", "UK5x7") are the
// BDF files of the fonts folder, matched by family name without regard to case; every other
// face is an installed font found through fontconfig.  A face that is not installed draws
// in DefaultFace; when even that is missing, in the LED font LastResortFace, and without the
// fonts folder in hollow boxes.
//
// The folder's files are first known only by the family their head names, so that asking
// about any other face reads no characters; a family's characters are read the first time it
// is asked for.  A file refused then is reported at that moment, and its family is no LED
// face from then on unless another file of the folder names it too.
class FontRegistry {
public:
    static constexpr std::string_view kDefaultFace = "DejaVu Sans";
    static constexpr std::string_view kLastResortFace = "VELDO 5x7";

    // The one registry of the program.
    static FontRegistry& Instance();

    FontRegistry();
    ~FontRegistry();
    FontRegistry(const FontRegistry&) = delete;
    FontRegistry& operator=(const FontRegistry&) = delete;

    // Folder of the LED block fonts; by default "fonts/" in the program's folder.  Changing
    // it forgets every typeface handed out so far.
    void SetFontsFolder(std::string folder);
    std::string FontsFolder() const;
    // Forgets every typeface handed out so far, so that the next ones are found anew in
    // fontconfig's configuration as it stands then.
    void ForgetTypefaces();

    // The typeface for `font`; it lives until the fonts folder changes.
    Typeface& Resolve(const Font& font);
    // Reads that face's characters: a family whose file proves damaged is none.
    bool IsLedFace(std::string_view face);
    // The LED font of that family, or null.
    std::shared_ptr<const BdfFont> LedFont(std::string_view face);
    // Counts the changes of folder, so that holders of a typeface know when to look again.
    unsigned Generation() const { return generation_; }

    // Which of `faces` the fonts folder cannot give: the file each lacks ("veldo-5x7.bdf" for
    // "VELDO 5x7"), or the damaged files that named it.  Reads those faces' characters.
    struct LedSurvey {
        std::string folder;
        std::vector<std::string> missing;
        std::vector<std::string> damaged;
        bool Complete() const { return missing.empty() && damaged.empty(); }
    };
    LedSurvey SurveyLedFaces(const std::vector<std::string>& faces);
    // The file a face's font is shipped in.
    static std::string LedFileName(std::string_view face);

private:
    // The files naming one family, in the folder's order, and its font once one is read.
    struct LedFamily {
        std::vector<std::string> files;
        std::shared_ptr<const BdfFont> font;
    };

    void FindLedFonts();
    std::shared_ptr<const BdfFont> ReadLedFont(const std::string& key, LedFamily& family);
    void PassOver(const std::string& key, const std::string& path, const std::string& refusal);
    std::unique_ptr<Typeface> Open(const Font& font);
    std::unique_ptr<Typeface> OpenInstalled(const Font& font, std::string_view face,
                                            bool exactFamily, bool fixedPitchOnly = false);
    std::unique_ptr<Typeface> OpenLed(std::string_view face, const Font& font);

    std::string folder_;
    std::string foundIn_;
    bool ledFound_ = false;
    unsigned generation_ = 0;
    std::unordered_map<std::string, LedFamily> ledFamilies_;
    // The file names passed over, by the family their head names ("" when it names none).
    std::unordered_map<std::string, std::vector<std::string>> passedOver_;
    std::unordered_map<std::string, std::unique_ptr<Typeface>> typefaces_;
    std::shared_ptr<const BdfFont> boxes_;
    FT_LibraryRec_* library_ = nullptr;
};

}  // namespace gdi
