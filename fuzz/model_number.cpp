// A typed model number, and the typed lines and characters the model-number window analyses:
// fields that put the number back together, conversions that give a value or refuse the
// text, an analysis that proposes a sign or says why not; never a fault.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/FontTable.h"
#include "fuzz/Converting.h"
#include "fuzz/Pieces.h"
#include "fuzz/ProgramFolder.h"
#include "modelspec/engine/LineAnalyzer.h"
#include "modelspec/engine/ModelNumber.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Strings.h"

namespace {

// The number as the fields give it back: upper case, the separators in their places.
std::string Repaired(const std::string& number) {
    std::string repaired;
    for (vb::Long i = 1; i <= zomel::kModelNumberLength; ++i)
        repaired += (i == 4 || i == 10) ? std::string("-") : vb::UCase(vb::Mid(number, i, 1));
    return repaired;
}

void CheckFields(const std::string& number) {
    const zomel::ModelFields f = zomel::SplitModelNumber(number);
    for (const std::string* one : {&f.ProdType, &f.SignType, &f.Approval, &f.DisplayType,
                                   &f.Density, &f.Angularity, &f.Color, &f.Leds, &f.Orient})
        if (vb::Len(*one) > 1) __builtin_trap();
    if (vb::Len(f.Columns) > 2 || vb::Len(f.Rows) > 2) __builtin_trap();
    if (vb::Len(number) == zomel::kModelNumberLength &&
        zomel::ComposeModelNumber(f) != Repaired(number))
        __builtin_trap();
    // The decoding reads the codes and counts with these conversions.
    for (const std::string* whole : {&f.Approval, &f.Columns, &f.Rows})
        Converting([&] { (void)zomel::WholeNumber(*whole); });
    (void)vb::Val(f.DisplayType);
    (void)vb::Val(f.Angularity);
}

void CheckAnalysis(const zomel::LineRequest& request) {
    vb::Integer gap = 0;
    const zomel::LineAnalysis analysis = zomel::AnalyzeLines(request, gap);
    if (analysis.Valid != analysis.Message.empty()) __builtin_trap();
    if (analysis.Valid && (analysis.ListLines.empty() || analysis.ListLines.size() > 2))
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ProgramFolder folder;
    static const bool fonts = (zomel::FillFontTable(), true);
    (void)fonts;
    const auto pieces = Pieces(data, size, 7);
    CheckFields(std::string(pieces[0]));
    CheckAnalysis({std::string(pieces[1]), std::string(pieces[2]), std::string(pieces[3]),
                   std::string(pieces[4]), std::string(pieces[5]), std::string(pieces[6])});
    return 0;
}
