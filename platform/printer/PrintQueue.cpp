#include "platform/printer/PrintQueue.h"

#include "platform/os/Shell.h"

namespace forms {
namespace {

// CUPS's command-line clients; a machine without them has no queue.
class CupsQueue : public PrintQueue {
public:
    std::string DefaultDestination() override {
        auto result = os::RunProgram({"lpstat", "-d"});
        if (!result || result->exitCode != 0) return {};
        // "system default destination: NAME"; other wording means there is none.
        const std::string marker = "destination: ";
        size_t at = result->output.find(marker);
        if (at == std::string::npos) return {};
        std::string name = result->output.substr(at + marker.size());
        size_t end = name.find_first_of(" \t\r\n");
        return end == std::string::npos ? name : name.substr(0, end);
    }

    bool Submit(const std::string& pdfPath, const std::string& destination,
                const std::string& title, int copies) override {
        auto result = os::RunProgram(
            {"lp", "-d", destination, "-n", std::to_string(copies), "-t", title, "--", pdfPath});
        return result && result->exitCode == 0;
    }
};

PrintQueue* installed = nullptr;

}  // namespace

PrintQueue& CurrentPrintQueue() {
    static CupsQueue system;
    return installed ? *installed : system;
}

void SetPrintQueue(PrintQueue* queue) {
    installed = queue;
}

}  // namespace forms
