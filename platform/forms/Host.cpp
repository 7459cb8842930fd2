#include "platform/forms/Host.h"

#include <iostream>

#include "platform/forms/HeadlessHost.h"
#include "platform/os/Shell.h"

namespace forms {
namespace {

Host* installed = nullptr;

}  // namespace

void Host::WiringFault(Form&, const std::string& text) {
    std::cerr << text << '\n';
}

bool Host::OpenDocument(const std::string& target, std::string& reason) {
    return os::OpenDocument(target, reason);
}

Host& CurrentHost() {
    static HeadlessHost fallback;
    return installed ? *installed : fallback;
}

void SetHost(Host* host) {
    installed = host;
}

}  // namespace forms
