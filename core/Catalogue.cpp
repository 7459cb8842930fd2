#include "core/Catalogue.h"

#include "core/CatalogueFields.h"
#include "core/ConvertItPrice.h"
#include "core/Diagnostics.h"
#include "core/FileLoadReport.h"
#include "core/FontTable.h"
#include "core/PartNumbers.h"
#include "core/PresetRows.h"
#include "core/PriceLoad.h"
#include "core/mapParts.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/vb/Error.h"
#include "platform/vb/NamingFile.h"
#include "platform/vb/Strings.h"

namespace zomel {

namespace {

using namespace catalogue;

constexpr const char* kCatalogueFile = "config2.bin";
constexpr vb::Integer kPresetPackageUnknown = 50;
constexpr size_t kRowFields = 9;
constexpr int kMaxLines = 32767;  // line numbers are 16-bit

// The numbered steps of the option mappings that a loading error names.
enum Step : vb::Integer {
    kPkgPackage = 1,
    kPkgTreeSet = 2,
    kPkgGroup = 3,
    kPkgVersion = 4,
    kSetVersion = 5,
    kSetPackage = 6,
    kSetTreeSet = 7,
    kKitPackage = 9,
    kKitTreeSet = 10,
};

std::string ReadCatalogue() {
    const std::string path = CataloguePath();
    DebugTrace("Options Load", -40, path, "is path for config2.bin");
    const std::string bytes = vb::NamingFile(path, [&] { return os::ReadAllBytes(path); });
    DebugTrace("Options Load", static_cast<vb::Long>(bytes.size()), "File size in bytes",
               "of Config2.bin");
    std::string text = vb::FromWindows1252(bytes);
    DebugTrace("Options Load", vb::Len(text), "Contents size in bytes", "of Config2.bin");
    return text;
}

// One run of the loader: the step and text a loading error names, and the counters.
class Loader {
public:
    void Run();

private:
    void ReadRow(const std::string& text);
    void LoadOption(const std::string& kind);
    void FillPackageRow(OptionRecord& option);
    void FillSetRow(OptionRecord& option);
    void FillKitRow(OptionRecord& option);
    void FillCommon(OptionRecord& option, const std::string& kind);
    void CountSetRow(const OptionRecord& option);
    void Reject(const std::string& text, vb::Long error);

    // Runs one member's assignment; a failure is reported with the step and the field text,
    // and the member keeps its value.
    template <class Statement>
    bool Set(const std::string& problem, Statement&& statement) {
        problem_ = problem;
        return vb::OnError([this] { Report(); })(std::forward<Statement>(statement));
    }
    template <class Statement>
    bool Set(Step step, const std::string& problem, Statement&& statement) {
        step_ = step;
        return Set(problem, std::forward<Statement>(statement));
    }
    const std::string& F(size_t index) const { return fields_[index]; }
    void Report();

    std::vector<std::string> fields_;
    bool placeholder_ = false;
    vb::Integer step_ = 0;
    std::string problem_;
    int line_ = 0;
    vb::Integer n_ = 0;
    vb::Integer lastSet_ = 0;
};

void Loader::Report() {
    ReportError("Sign Options Load Step: " + std::to_string(step_) +
                " Problem string: " + problem_);
    gPriceLoad.LoadError = vb::True;
}

// A line the format excludes, or one beyond the tables, is reported and skipped whole.
void Loader::Reject(const std::string& text, vb::Long error) {
    Set(text, [error] { vb::Raise(error); });
}

void Loader::Run() {
    {
        FileLoadReport report(CataloguePath());
        std::string text;
        Set("", [&] { text = ReadCatalogue(); });
        PresetPackage = kPresetPackageUnknown;
        GroupCount = 0;
        for (const auto& row : EndedLines(text)) {
            report.Row(++line_);
            if (line_ > kMaxLines) {
                Reject(row, vb::err::kOverflow);
                break;
            }
            ReadRow(row);
        }
        report.Show();
    }
    gOptionCount = n_;
    Set("", [] { gMapParts = std::make_unique<mapParts>(); });
    Set("", [] { FillFontTable(); });
}

void Loader::ReadRow(const std::string& text) {
    fields_ = SplitFields(text);
    // An empty line has no fields at all, so no last one to take the date from.
    if (line_ == 1 && !fields_.empty()) {
        Set(fields_.back(), [&] {
            if (vb::Len(fields_.back()) >= 4) PriceListDate = Unquote(fields_.back());
        });
    }
    if (fields_.size() < kRowFields) return Reject(text, vb::err::kSubscriptOutOfRange);
    placeholder_ = IsPlaceholder(F(3));

    std::string kind, info;
    if (!Set(F(2), [&] { kind = Unquote(F(2)); })) return;
    if (kind == "OPTION-SET" && !Set(F(5), [&] { info = Unquote(F(5)); })) return;

    const bool option = kind == "OPTION-PKG" || kind == "OPTION-KIT" ||
                        (kind == "OPTION-SET" && !IsLayoutName(info));
    if (option) {
        if (n_ >= kMaxOptions) return Reject(text, vb::err::kSubscriptOutOfRange);
        return LoadOption(kind);
    }
    if (gBaseCount >= kMaxBaseParts) return Reject(text, vb::err::kSubscriptOutOfRange);
    LoadBaseRow(text, static_cast<vb::Integer>(line_));
    if (kind == "ZOMEL") {
        Set(F(0), [&] { CEOption = vb::Flag(Unquote(F(0)).ends_with("Euro")); });
    }
}

void Loader::LoadOption(const std::string& kind) {
    OptionRecord& option = gOptions(++n_);
    FillCommon(option, kind);
    if (kind == "OPTION-PKG") FillPackageRow(option);
    if (kind == "OPTION-SET") FillSetRow(option);
    if (kind == "OPTION-KIT") FillKitRow(option);
}

void Loader::FillCommon(OptionRecord& option, const std::string& kind) {
    Set(F(0), [&] { option.Name = Unquote(F(0)); });
    Set(F(3), [&] { option.CataloguePartNo = Unquote(F(3)); });
    Set(F(3), [&] { option.PartNo = placeholder_ ? "N/A" : option.CataloguePartNo; });
    option.Type = kind;
    Set(F(5), [&] { option.Info = Unquote(F(5)); });
}

void Loader::FillPackageRow(OptionRecord& option) {
    option.Row = static_cast<vb::Integer>(line_);
    Set(kPkgPackage, F(4), [&] { option.Package = Num(Unquote(F(4))); });
    Set(kPkgTreeSet, F(6), [&] { option.TreeSet = Num(Unquote(F(6))); });
    Set(kPkgGroup, F(7), [&] { option.Group = Num(Unquote(F(7))); });
    Set(F(1), [&] { option.Price = ConvertItPrice(Unquote(F(1)), option.Row); });
    Set(F(1), [&] { option.Cost = CostOf(option.Price); });
    option.Empty = vb::False;
    Set(kPkgVersion, F(8), [&] { option.ZomelVersion = Num(Unquote(F(8))); });
}

void Loader::FillSetRow(OptionRecord& option) {
    const auto line = static_cast<vb::Integer>(line_);
    Set(F(1), [&] { option.Price = ConvertItPrice(Unquote(F(1)), line); });
    Set(F(1), [&] { option.Cost = CostOf(option.Price); });
    option.Empty = vb::False;
    Set(kSetVersion, F(8), [&] {
        const std::string version = Unquote(F(8));
        option.ZomelVersion = vb::Len(version) > 4 ? vb::Integer{0} : Num(version);
    });
    Set(kSetPackage, F(4), [&] { option.Package = Num(Unquote(F(4))); });
    Set(kSetTreeSet, F(6), [&] { option.TreeSet = Num(Unquote(F(6))); });
    CountSetRow(option);
    if (option.PartNo == kPresetPartNo) {
        PresetOptionIndex = PresetFirstIndex = n_;
        PresetNextIndex = PresetTwinOf(n_);
        PresetPackage = lastSet_ = option.Package;
    }
    // Row 2 of another generation is no twin: the first row stands for both.
    if (n_ == kPresetTwinRow && option.ZomelVersion != 2) PresetNextIndex = kPresetFirstRow;
}

// Sets of alternatives and groups of options, as the options tree will make nodes of them;
// the solar rows of a group are the estimate's.
void Loader::CountSetRow(const OptionRecord& option) {
    if (option.TreeSet > 0) {
        if (option.TreeSet != lastSet_) {
            ++GroupCount;
            lastSet_ = option.TreeSet;
        }
        return;
    }
    if (option.Package == PresetPackage || option.Info != "GROUP") return;
    if (option.Package != lastSet_) {
        ++GroupCount;
        lastSet_ = option.Package;
    }
    if (option.PartNo == kSolarBatteryPartNo) gPriceLoad.BatteryOption = n_;
    if (option.PartNo == kSolarPanelPartNo) gPriceLoad.PanelOption = n_;
}

void Loader::FillKitRow(OptionRecord& option) {
    option.Row = static_cast<vb::Integer>(line_);
    Set(F(1), [&] { option.Price = ConvertItPrice(Unquote(F(1)), option.Row); });
    Set(F(1), [&] { option.Cost = CostOf(option.Price); });
    option.Empty = vb::False;
    Set(kKitPackage, F(4), [&] { option.Package = Num(Unquote(F(4))); });
    Set(kKitTreeSet, F(6), [&] { option.TreeSet = Num(Unquote(F(6))); });
    if (option.PartNo == kHighLoadKitPartNo) KitOptionIndex = n_;
}

}  // namespace

void ResetOptions() {
    for (OptionRecord& option : gOptions) {
        option = OptionRecord();
        option.Empty = vb::True;
    }
}

std::string CataloguePath() {
    return os::JoinPath(os::ProgramFolder(), kCatalogueFile);
}

void LoadSignOptions() {
    // The tables start afresh, and so do the indexes a catalogue may lack.
    gBaseParts = {};
    gBaseCount = 0;
    CEOption = vb::False;
    PresetOptionIndex = PresetFirstIndex = PresetNextIndex = KitOptionIndex = 0;
    Loader().Run();
}

void LoadBaseRow(const std::string& rowText, vb::Integer lineNumber) {
    vb::OnError log([&] {
        LogError("LoadBaseRow: " + std::to_string(lineNumber) + " Problem string: " + rowText);
    });
    if (gBaseCount >= kMaxBaseParts) {
        log([] { vb::Raise(vb::err::kSubscriptOutOfRange); });
        return;
    }
    const auto fields = SplitFields(rowText);
    const auto field = [&](size_t index) { return Unquote(Field(fields, index)); };
    OptionRecord& base = gBaseParts(++gBaseCount);
    log([&] { base.Name = field(0); });
    log([&] { base.PartNo = base.CataloguePartNo = field(3); });
    log([&] { base.Type = field(2); });
    log([&] { base.Info = field(5); });
    log([&] { base.Price = ConvertItPrice(field(1), lineNumber); });
    log([&] { base.Cost = CostOf(base.Price); });
    base.Empty = vb::False;
    base.Row = gBaseCount;
    log([&] {
        const std::string package = field(4);
        base.Package = package == "NA" ? vb::Integer{0} : Int(package);
    });
    base.TreeSet = 0;
    base.Group = 0;
    log([&] { base.ZomelVersion = Int(field(8)); });
}

}  // namespace zomel
