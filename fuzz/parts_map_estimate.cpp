// The parts map on any bytes, through the estimate that looks its parts up; never a fault.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "estimate/frmOrder.h"
#include "fuzz/ShippedFolder.h"
#include "platform/forms/Instance.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ShippedFolder folder;
    folder.Write("mapping.bin", std::string(reinterpret_cast<const char*>(data), size));
    zomel::gMapParts = std::make_unique<zomel::mapParts>();
    auto& order = forms::Instance<zomel::frmOrder>();
    order.Load();
    order.Unload();
    folder.TakeReports();
    return 0;
}
