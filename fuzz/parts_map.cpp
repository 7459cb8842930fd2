// The parts map on any bytes as its file: the rows before a bad line, each part once, and a
// first row of a layout that its own grid finds; never a fault.
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>

#include "core/mapParts.h"
#include "fuzz/ProgramFolder.h"

namespace {

void CheckRows(zomel::mapParts& map) {
    if (map.Count() < 0 || map.Count() > 32767) __builtin_trap();
    std::unordered_set<std::string> parts;
    for (vb::Integer i = 1; i <= map.Count(); ++i)
        if (!parts.insert(map.Item(i).Part()).second) __builtin_trap();
    if (map.Count() == 0) return;
    const zomel::mapPart& first = map.Item(1);
    // A row of a layout number no sign has is kept, and no sign ever asks for it.
    const zomel::LayoutKind layout = zomel::LayoutKindOf(first.SegmentType());
    if (zomel::StoredNumberOf(layout) != first.SegmentType()) return;
    const zomel::mapParts::Grid grid{first.Vertical(), first.X(), first.Y(), layout};
    if (first.PartType() == "BP" &&
        (!map.TestBackPlate(grid) || map.BackPlatePart() != first.Part()))
        __builtin_trap();
    if (first.PartType() == "JH" && (!map.TestJumpHarn(grid) || map.JumpHarnPart() != first.Part()))
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ProgramFolder folder;
    folder.Write("mapping.bin", std::string(reinterpret_cast<const char*>(data), size));
    zomel::mapParts map;
    CheckRows(map);
    if (folder.TakeReports() > 1) __builtin_trap();  // one report at most
    return 0;
}
