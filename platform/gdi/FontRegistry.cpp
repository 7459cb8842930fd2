#include "platform/gdi/FontRegistry.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <filesystem>

#include "platform/gdi/FreeTypeTypeface.h"
#include "platform/gdi/LedTypeface.h"
#include "platform/os/Paths.h"
#include "platform/vb/HandledErrors.h"
#include "platform/vb/Strings.h"

namespace gdi {
namespace {

// A font without glyphs: every character is the hollow box.
constexpr const char* kBoxFont =
    "FAMILY_NAME \"boxes\"\nFONTBOUNDINGBOX 5 7 0 0\nFONT_ASCENT 7\nFONT_DESCENT 1\nCHARS 0\n"
    "ENDFONT\n";

std::string Key(std::string_view face) {
    return vb::LCase(face);
}

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

bool HasFamily(FcPattern* pattern, std::string_view face) {
    FcChar8* family = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &family) == FcResultMatch; ++i)
        if (vb::TextEquals(reinterpret_cast<const char*>(family), face)) return true;
    return false;
}

int IntegerOf(FcPattern* pattern, const char* object, int otherwise) {
    int value = otherwise;
    FcPatternGetInteger(pattern, object, 0, &value);
    return value;
}

const char* const kLedFontsLabel = "Load LED fonts";

}  // namespace

FontRegistry& FontRegistry::Instance() {
    static FontRegistry registry;
    return registry;
}

FontRegistry::FontRegistry() : boxes_(BdfFont::Parse(kBoxFont)) {
    FT_Init_FreeType(&library_);
}

FontRegistry::~FontRegistry() {
    typefaces_.clear();
    if (library_ != nullptr) FT_Done_FreeType(library_);
}

void FontRegistry::SetFontsFolder(std::string folder) {
    folder_ = std::move(folder);
    ledFound_ = false;
    ledFamilies_.clear();
    passedOver_.clear();
    ForgetTypefaces();
}

void FontRegistry::ForgetTypefaces() {
    typefaces_.clear();
    ++generation_;
}

std::string FontRegistry::FontsFolder() const {
    return folder_.empty() ? os::JoinPath(os::ProgramFolder(), "fonts") : folder_;
}

void FontRegistry::FindLedFonts() {
    if (ledFound_) return;
    ledFound_ = true;
    foundIn_ = FontsFolder();
    std::error_code error;
    std::filesystem::directory_iterator folder(foundIn_, error);
    if (error) {
        vb::ReportHandled(kLedFontsLabel, vb::err::kPathNotFound,
                          "The LED fonts folder " + foundIn_ + " cannot be read (" +
                              error.message() + "): every LED font is missing");
        return;
    }
    for (const auto& entry : folder) {
        if (entry.path().extension() != ".bdf") continue;
        std::string refusal;
        if (auto family = BdfFont::ReadFamily(entry.path().string(), &refusal))
            ledFamilies_[Key(*family)].files.push_back(entry.path().string());
        else
            PassOver("", entry.path().string(), refusal);
    }
}

std::shared_ptr<const BdfFont> FontRegistry::ReadLedFont(const std::string& key,
                                                         LedFamily& family) {
    while (!family.font && !family.files.empty()) {
        std::string refusal;
        family.font = BdfFont::Load(family.files.front(), &refusal);
        if (!family.font) PassOver(key, family.files.front(), refusal);
        family.files.erase(family.files.begin());
    }
    return family.font;
}

void FontRegistry::PassOver(const std::string& key, const std::string& path,
                            const std::string& refusal) {
    passedOver_[key].push_back(std::filesystem::path(path).filename().string());
    vb::ReportHandled(kLedFontsLabel, vb::err::kInvalidFileFormat,
                      "The font file " + path + " is passed over: " + refusal);
}

std::string FontRegistry::LedFileName(std::string_view face) {
    std::string name = Key(face);
    for (char& c : name)
        if (c == ' ') c = '-';
    return name + ".bdf";
}

FontRegistry::LedSurvey FontRegistry::SurveyLedFaces(const std::vector<std::string>& faces) {
    FindLedFonts();
    LedSurvey survey{foundIn_, {}, {}};
    static const std::vector<std::string> none;
    auto passedOver = [this](const std::string& key) -> const std::vector<std::string>& {
        auto found = passedOver_.find(key);
        return found == passedOver_.end() ? none : found->second;
    };
    const std::vector<std::string>& headless = passedOver("");
    for (const std::string& face : faces) {
        if (IsLedFace(face)) continue;
        const std::vector<std::string>& named = passedOver(Key(face));
        const std::string file = LedFileName(face);
        // A file whose head names no family is taken for the face its name gives.
        if (!named.empty())
            survey.damaged.insert(survey.damaged.end(), named.begin(), named.end());
        else if (std::find(headless.begin(), headless.end(), file) != headless.end())
            survey.damaged.push_back(file);
        else
            survey.missing.push_back(file);
    }
    return survey;
}

std::shared_ptr<const BdfFont> FontRegistry::LedFont(std::string_view face) {
    FindLedFonts();
    auto found = ledFamilies_.find(Key(face));
    if (found == ledFamilies_.end()) return nullptr;
    if (auto font = ReadLedFont(found->first, found->second)) return font;
    ledFamilies_.erase(found);
    return nullptr;
}

bool FontRegistry::IsLedFace(std::string_view face) {
    return LedFont(face) != nullptr;
}

Typeface& FontRegistry::Resolve(const Font& font) {
    // LED fonts have one size: the points asked do not make another typeface.
    double points = IsLedFace(font.face) ? 0 : font.points;
    std::string key = Key(font.face) + "|" + std::to_string(points) + (font.bold ? "|b" : "|") +
                      (font.italic ? "i" : "");
    auto found = typefaces_.find(key);
    if (found == typefaces_.end()) found = typefaces_.emplace(key, Open(font)).first;
    return *found->second;
}

std::unique_ptr<Typeface> FontRegistry::Open(const Font& font) {
    if (auto led = OpenLed(font.face, font)) return led;
    if (auto installed = OpenInstalled(font, font.face, true)) return installed;
    // A fixed-pitch face that is not installed keeps its fixed pitch ("Courier New" becomes
    // the system's monospace face), so that columns of printed text stay aligned.
    if (auto fixedPitch = OpenInstalled(font, font.face, false, true)) return fixedPitch;
    if (auto fallback = OpenInstalled(font, kDefaultFace, false)) return fallback;
    if (auto led = OpenLed(kLastResortFace, font)) return led;
    return std::make_unique<LedTypeface>(boxes_, font.bold, font.italic);
}

std::unique_ptr<Typeface> FontRegistry::OpenLed(std::string_view face, const Font& font) {
    auto bdf = LedFont(face);
    if (!bdf) return nullptr;
    return std::make_unique<LedTypeface>(std::move(bdf), font.bold, font.italic);
}

std::unique_ptr<Typeface> FontRegistry::OpenInstalled(const Font& font, std::string_view face,
                                                      bool exactFamily, bool fixedPitchOnly) {
    if (library_ == nullptr) return nullptr;
    std::string family(face);
    PatternPtr pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, font.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, font.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(nullptr, pattern.get(), &result));
    if (!match || (exactFamily && !HasFamily(match.get(), face))) return nullptr;
    if (fixedPitchOnly && IntegerOf(match.get(), FC_SPACING, FC_PROPORTIONAL) != FC_MONO)
        return nullptr;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) return nullptr;
    FreeTypeTypeface::Style style;
    style.points = font.points;
    style.emboldenSynthetic =
        font.bold && IntegerOf(match.get(), FC_WEIGHT, FC_WEIGHT_REGULAR) < FC_WEIGHT_DEMIBOLD;
    style.slantSynthetic =
        font.italic && IntegerOf(match.get(), FC_SLANT, FC_SLANT_ROMAN) == FC_SLANT_ROMAN;
    return FreeTypeTypeface::Open(library_, reinterpret_cast<const char*>(file),
                                  IntegerOf(match.get(), FC_INDEX, 0), style);
}

}  // namespace gdi
