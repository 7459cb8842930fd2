#include "core/mapParts.h"

#include "core/CatalogueFields.h"
#include "core/Diagnostics.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/vb/Error.h"
#include "platform/vb/NamingFile.h"
#include "platform/vb/Strings.h"

namespace zomel {

namespace {

constexpr const char* kMapFile = "mapping.bin";
constexpr size_t kMaxRows = 32767;  // the count is a 16-bit number

// Fields in file order: columns, rows, orientation, kind, part, layout, module version.
mapPart ParseRow(const std::string& line) {
    using catalogue::Field;
    const auto fields = catalogue::SplitFields(line);
    mapPart row;
    row.X(catalogue::Int(Field(fields, 0)));
    row.Y(catalogue::Int(Field(fields, 1)));
    row.Vertical(Field(fields, 2) == "VER");
    row.PartType(Field(fields, 3));
    row.Part(Field(fields, 4));
    row.SegmentType(catalogue::Int(Field(fields, 5)));
    row.Zomel2(Field(fields, 6) == "2");
    return row;
}

}  // namespace

mapParts::mapParts() {
    vb::OnError report([] { ReportError("Sign Map Load Step: 1 "); });
    report([this] { Load(); });
}

void mapParts::Load() {
    const std::string path = os::JoinPath(os::ProgramFolder(), kMapFile);
    DebugTrace("Mapping Load", -20, path, "is path for mapping.bin");
    const std::string bytes = vb::NamingFile(path, [&] { return os::ReadAllBytes(path); });
    DebugTrace("Mapping Load", static_cast<vb::Long>(bytes.size()), "File size in bytes",
               "of mapping.bin");
    for (const auto& line : catalogue::EndedLines(vb::FromWindows1252(bytes)))
        Add(ParseRow(line));
}

void mapParts::Add(mapPart row) {
    if (rows_.size() == kMaxRows) vb::Raise(vb::err::kOverflow);
    if (!keys_.insert(row.Part()).second) vb::Raise(vb::err::kDuplicateKey);
    rows_.push_back(std::move(row));
}

const mapPart& mapParts::Item(vb::Integer index) const {
    if (index < 1 || index > Count()) vb::Raise(vb::err::kSubscriptOutOfRange);
    return rows_[static_cast<size_t>(index - 1)];
}

bool mapParts::TestBackPlate(const Grid& sign) {
    for (int i = 1; i <= Count(); ++i) {
        const mapPart& row = Item(static_cast<vb::Integer>(i));
        if (row.PartType() == "BP" && row.Vertical() == sign.Vertical &&
            row.X() == sign.XZomelCount && row.Y() == sign.YZomelCount &&
            row.ForLayout(sign.SegmentType)) {
            BackPlateIndex = static_cast<vb::Integer>(i);
            return true;
        }
    }
    return false;
}

bool mapParts::TestJumpHarn(const Grid& sign) {
    for (int i = 1; i <= Count(); ++i) {
        const mapPart& row = Item(static_cast<vb::Integer>(i));
        if (row.PartType() != "JH" || row.X() != sign.XZomelCount) continue;
        const bool exact = row.Vertical() == sign.Vertical && row.ForLayout(sign.SegmentType);
        const bool lineMatrix =
            row.Vertical() && sign.Vertical && sign.SegmentType == LayoutKind::LineMatrix;
        if (exact || lineMatrix) {
            JumpHarnIndex = static_cast<vb::Integer>(i);
            return true;
        }
    }
    return false;
}

}  // namespace zomel
