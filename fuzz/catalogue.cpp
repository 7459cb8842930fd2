// The catalogue loader on any bytes as the catalogue file: bad rows reported and skipped, the
// tables within their bounds and every loaded price a price; never a fault.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/Catalogue.h"
#include "core/Globals.h"
#include "core/mapParts.h"
#include "fuzz/ProgramFolder.h"

namespace {

void CheckRecord(const zomel::OptionRecord& record) {
    if (record.Empty) __builtin_trap();
    if (!record.Price.empty() && record.Price[0] != '$') __builtin_trap();
    if (!std::isfinite(record.Cost) || record.Cost < 0) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // No parts map: its own target reads it, and its one report costs little.
    static ProgramFolder folder;
    folder.Write("config2.bin", std::string(reinterpret_cast<const char*>(data), size));
    zomel::ResetOptions();
    zomel::gOptionCount = 0;
    zomel::LoadSignOptions();
    if (zomel::gOptionCount < 0 || zomel::gOptionCount > zomel::kMaxOptions) __builtin_trap();
    if (zomel::gBaseCount < 0 || zomel::gBaseCount > zomel::kMaxBaseParts) __builtin_trap();
    for (int i = 1; i <= zomel::gOptionCount; ++i)
        CheckRecord(zomel::gOptions(static_cast<vb::Integer>(i)));
    for (int i = 1; i <= zomel::gBaseCount; ++i)
        CheckRecord(zomel::gBaseParts(static_cast<vb::Integer>(i)));
    if (!zomel::gMapParts) __builtin_trap();
    zomel::gMapParts.reset();
    folder.TakeReports();
    return 0;
}
