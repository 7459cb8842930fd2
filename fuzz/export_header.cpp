// The export's head "Header.inc" on any bytes, through Alt+X in the estimate: refused, or an
// export that begins with the head's XML declaration; never a fault.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "estimate/XMLdetail.h"
#include "estimate/frmOrder.h"
#include "fuzz/ShippedFolder.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Instance.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ShippedFolder folder;
    folder.Write("Header.inc", std::string(reinterpret_cast<const char*>(data), size));
    auto& order = forms::Instance<zomel::frmOrder>();
    order.Load();
    order.KeyUp(88, forms::vbAltMask);
    const std::string exported = zomel::XMLdetail::ExportPath();
    if (std::filesystem::exists(exported)) {
        // UTF-16 with its mark, and the declaration first.
        const std::string head = TestEnvironment::ReadFile(exported).substr(0, 6);
        if (head != std::string("\xFF\xFE<\0?\0", 6)) __builtin_trap();
        std::filesystem::remove(exported);
    }
    folder.TakeReports();
    return 0;
}
