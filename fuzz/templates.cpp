// A document template on any bytes, through the writers that fill it: the estimate document
// made from "CustomEst.hms" (Print, the printer dialog cancelled) and the sign's
// specification with its tokens replaced; never a fault.
#include <cstddef>
#include <cstdint>
#include <string>

#include "estimate/frmOrder.h"
#include "fuzz/ShippedFolder.h"
#include "modelspec/engine/SpecTokens.h"
#include "modelspec/engine/TemplateStream.h"
#include "platform/forms/Instance.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ShippedFolder folder;
    const std::string text(reinterpret_cast<const char*>(data), size);
    folder.Write("CustomEst.hms", text);
    auto& order = forms::Instance<zomel::frmOrder>();
    order.Load();
    folder.Host().AnswerPrinterDialog(false);  // saved, not printed
    order.cmdPrint->Click();
    const zomel::SpecFigures figures = zomel::PrepareSpecFigures(*zomel::gSign, vb::False);
    (void)zomel::StreamTemplate(text, [&](std::string_view token) {
        return zomel::GetTokenValue(figures, *zomel::gSign, token);
    });
    folder.TakeReports();
    return 0;
}
