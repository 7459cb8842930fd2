// Paper settings on any bytes: a print queue's option listing and a papersize file give a
// paper of a sane size, or none.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "platform/printer/Paper.h"
#include "platform/printer/PrintQueue.h"

namespace {

void CheckSane(const std::optional<forms::Paper>& paper) {
    if (!paper) return;
    const double largest = 1e4 * 72;  // ten thousand inches
    if (!(paper->widthPoints > 0 && paper->widthPoints <= largest && paper->heightPoints > 0 &&
          paper->heightPoints <= largest))
        __builtin_trap();
}

// The papersize file the desktop's setting is read from, the target's own.
const std::string& PaperFile() {
    static const std::string path = [] {
        const char* folder = std::getenv("TMPDIR");
        std::string name = std::string(folder && *folder ? folder : "/tmp") + "/papersize-XXXXXX";
        const int file = ::mkstemp(name.data());
        if (file >= 0) ::close(file);
        ::unsetenv("PAPERSIZE");
        ::setenv("PAPERCONF", name.c_str(), 1);
        return name;
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The default is one word, as the listing marks it.
    const std::string chosen = forms::DefaultPageSize(text);
    if (chosen.find_first_of(" \t\r\n") != std::string::npos) __builtin_trap();
    CheckSane(forms::PaperNamed(chosen));
    CheckSane(forms::PaperNamed(text));
    std::ofstream(PaperFile(), std::ios::binary | std::ios::trunc) << text;
    CheckSane(forms::DesktopPaper());
    return 0;
}
