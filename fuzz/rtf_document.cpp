// The RTF document reader on any bytes: a document whose text, ranges, search and edits stay
// within it, never a fault.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/forms/RtfDocument.h"

namespace {

void ExpectWhole(const forms::RtfDocument& document) {
    const vb::Long length = document.Length();
    if (document.TextRange(0, length) != document.Text()) __builtin_trap();
    for (vb::Long at = 0; at < length; ++at)
        (void)document.FormatAt(at).font;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string source(reinterpret_cast<const char*>(data), size);
    forms::RtfDocument document;
    document.SetRtf(source);
    ExpectWhole(document);
    const vb::Long length = document.Length();
    if (length > 0) {
        const std::string middle = document.TextRange(length / 2, 3);
        const vb::Long found = document.Find(middle, 0, -1, 0);
        if (found < 0 || found > length / 2) __builtin_trap();
        document.ReplaceText(length / 3, length / 3, "x{y}\\z");
        ExpectWhole(document);
    }
    // The same bytes pasted in as a fragment.
    document.ReplaceWithRtf(document.Length() / 2, 1, source);
    ExpectWhole(document);
    return 0;
}
