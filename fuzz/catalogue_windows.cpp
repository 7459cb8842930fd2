// The catalogue on any bytes, through the windows that read it: the estimate priced, the
// options tree built from Options... and the estimate priced again, the components list; never
// a fault.
#include <cstddef>
#include <cstdint>
#include <string>

#include "catalogue/frmChooser.h"
#include "catalogue/frmComponents.h"
#include "estimate/frmOrder.h"
#include "fuzz/ShippedFolder.h"
#include "platform/forms/Instance.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ShippedFolder folder;
    folder.Write("config2.bin", std::string(reinterpret_cast<const char*>(data), size));
    ShippedFolder::LoadCatalogue();
    auto& order = forms::Instance<zomel::frmOrder>();
    order.Load();
    order.cmdOpt->Click();  // the host closes the tree at once
    forms::Instance<zomel::frmChooser>().Unload();
    order.Unload();
    auto& components = forms::Instance<zomel::frmComponents>();
    components.Load();
    components.Unload();
    folder.TakeReports();
    return 0;
}
