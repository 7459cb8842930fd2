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

    // "-p" only names the queue; "-d" would make it the person's default as well.
    std::string DefaultPaper(const std::string& destination) override {
        auto result = os::RunProgram({"lpoptions", "-p", destination, "-l"});
        if (!result || result->exitCode != 0) return {};
        return DefaultPageSize(result->output);
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

std::string DefaultPageSize(std::string_view listing) {
    while (!listing.empty()) {
        const size_t end = listing.find('\n');
        std::string_view line = listing.substr(0, end);
        listing = end == std::string_view::npos ? std::string_view() : listing.substr(end + 1);
        if (!line.starts_with("PageSize/") && !line.starts_with("PageSize:")) continue;
        const size_t colon = line.find(':');
        const size_t star = line.find('*', colon);
        if (star == std::string_view::npos) return {};
        std::string_view rest = line.substr(star + 1);
        return std::string(rest.substr(0, rest.find_first_of(" \t\r")));
    }
    return {};
}

PrintQueue& CurrentPrintQueue() {
    static CupsQueue system;
    return installed ? *installed : system;
}

void SetPrintQueue(PrintQueue* queue) {
    installed = queue;
}

}  // namespace forms
