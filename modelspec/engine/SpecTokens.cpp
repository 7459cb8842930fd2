#include "modelspec/engine/SpecTokens.h"

#include <array>
#include <functional>
#include <utility>

#include "core/ModuleFigures.h"
#include "core/ModulePitch.h"
#include "core/Sign.h"
#include "platform/forms/RtfDocument.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

constexpr vb::Long kFullMatrixId = 11700;
constexpr vb::Long kLineMatrixId = 11701;
constexpr vb::Long kSegmentedId = 11702;
constexpr vb::Long kVerticalId = 11703;
constexpr vb::Long kHorizontalId = 11704;
constexpr vb::Long kAmpsId = 10956;

std::string TwoDecimals(double value) {
    return vb::Format(value, "0.00");
}

std::string ThreeDecimals(double value) {
    return vb::Format(value, "0.000");
}

std::string Whole(vb::Long value) {
    return std::to_string(value);
}

std::string TypeTextOf(LayoutKind segmentType) {
    switch (segmentType) {
        case LayoutKind::FullMatrix:
            return forms::LoadResString(kFullMatrixId);
        case LayoutKind::LineMatrix:
            return forms::LoadResString(kLineMatrixId);
        case LayoutKind::CharacterSegmented:
            return forms::LoadResString(kSegmentedId);
    }
    return {};
}

void SetDensityFigures(SpecFigures& f, const Sign& sign, vb::Integer highDensity) {
    const vb::Single k = f.UnitFactor;
    if (highDensity) {
        f.PixelRows = kHighDensityLedsShort;
        f.PixelCount = kHighDensityLedsLong * kHighDensityLedsShort;
        f.PixelColumns = kHighDensityLedsLong;
        f.AverageDraw = 11.5f;
        f.MaximumDraw = 4.8f;
        f.TypicalDraw = static_cast<vb::Single>(kHighDensityModuleAmps);
        f.LedSpacing = k * 0.5f;
        f.MinimumSize = sign.Vertical() ? k * 7.4f : k * 7.9f;
        f.Density = "High";
    } else {
        f.PixelRows = kStandardLedsShort;
        f.PixelCount = kStandardLedsLong * kStandardLedsShort;
        f.PixelColumns = kStandardLedsLong;
        f.AverageDraw = 3.5f;
        f.MaximumDraw = 1.75f;
        f.TypicalDraw = static_cast<vb::Single>(kStandardModuleAmps);
        f.LedSpacing = k * 1.35f;
        f.MinimumSize = k * 12.7f;
        f.Density = "Standard";
    }
    f.PixelSpacing = k * static_cast<vb::Single>(PixelPitchOf(highDensity != 0, sign.Vertical()));
}

using TokenRule = std::function<std::string(const SpecFigures&, const Sign&)>;

const std::array<std::pair<std::string_view, TokenRule>, 31>& TokenTable() {
    using F = const SpecFigures&;
    using S = const Sign&;
    static const std::array<std::pair<std::string_view, TokenRule>, 31> table = {{
        {"$avgdraw$", [](F f, S) { return TwoDecimals(f.AverageDraw); }},
        {"$busbarweight$", [](F, S s) { return TwoDecimals(s.BusBarWeight()); }},
        {"$charunit$", [](F f, S) { return f.CharUnit; }},
        {"$count$", [](F, S s) { return Whole(vb::Long{s.XZomelCount()} * s.YZomelCount()); }},
        {"$density$", [](F f, S) { return f.Density; }},
        {"$jumperzomelcount$", [](F, S s) { return Whole(s.YZomelCount() - 1); }},
        {"$last$", [](F, S) { return std::string(); }},
        {"$ldensity$", [](F f, S) { return vb::LCase(f.Density); }},
        {"$locklength$", [](F, S s) { return vb::CStr(s.LockdownLength()); }},
        {"$lspace$", [](F f, S) { return ThreeDecimals(f.LedSpacing); }},
        {"$maxdraw$", [](F f, S) { return TwoDecimals(f.MaximumDraw); }},
        {"$minsize$", [](F f, S) { return TwoDecimals(f.MinimumSize); }},
        {"$orientation$",
         [](F, S s) { return forms::LoadResString(s.Vertical() ? kVerticalId : kHorizontalId); }},
        {"$pcount$", [](F f, S) { return Whole(f.PixelCount); }},
        {"$phigh$", [](F f, S) { return Whole(f.PixelRows); }},
        {"$pspace$", [](F f, S) { return ThreeDecimals(f.PixelSpacing); }},
        {"$ptotal$", [](F f, S) { return Whole(vb::Long{f.PixelCount} * 4); }},
        {"$pwide$", [](F f, S) { return Whole(f.PixelColumns); }},
        {"$raillength$", [](F, S s) { return vb::CStr(s.RailLength()); }},
        {"$sbccount$", [](F, S) { return std::string("1"); }},
        {"$signunit$", [](F f, S) { return f.SignUnit; }},
        {"$trimzomelcount$", [](F, S) { return std::string("1"); }},
        {"$type$", [](F f, S) { return f.TypeText; }},
        {"$typicalcurrentdraw$",
         [](F f, S) { return TwoDecimals(f.TypicalDraw) + forms::LoadResString(kAmpsId); }},
        {"$weight$", [](F, S s) { return TwoDecimals(s.SignWeight() + s.BusBarWeight()); }},
        {"$weightunit$", [](F, S s) { return s.WeightUnit(); }},
        {"$xcount$", [](F, S s) { return Whole(s.XZomelCount()); }},
        {"$xdimension$", [](F, S s) { return TwoDecimals(s.SignWidth()); }},
        {"$ycount$", [](F, S s) { return Whole(s.YZomelCount()); }},
        {"$ydimension$", [](F, S s) { return TwoDecimals(s.SignHeight()); }},
        {"$yplus1$", [](F, S s) { return Whole(s.YZomelCount() + 1); }},
    }};
    return table;
}

}  // namespace

SpecFigures PrepareSpecFigures(const Sign& sign, vb::Integer highDensity) {
    SpecFigures f;
    const std::string& length = sign.LengthUnit();
    f.SignUnit = length == "ft" || length == "in" ? length + "." : length;
    const std::string& chars = sign.CharSizeUnit();
    f.UnitFactor = chars == "in" ? 1.0f : chars == "cm" ? 2.54f : 0.0f;
    f.CharUnit = chars == "in" ? chars + "." : chars;
    f.TypeText = TypeTextOf(sign.SegmentType());
    SetDensityFigures(f, sign, highDensity);
    return f;
}

std::string GetTokenValue(const SpecFigures& figures, const Sign& sign, std::string_view token) {
    for (const auto& [name, rule] : TokenTable())
        // Values are written into RTF: a unit or a text can never break the document.
        if (name == token) return forms::RtfEscape(rule(figures, sign));
    return {};
}

}  // namespace zomel
