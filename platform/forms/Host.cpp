#include "platform/forms/Host.h"

#include "platform/forms/HeadlessHost.h"

namespace forms {
namespace {

Host* installed = nullptr;

}  // namespace

Host& CurrentHost() {
    static HeadlessHost fallback;
    return installed ? *installed : fallback;
}

void SetHost(Host* host) {
    installed = host;
}

}  // namespace forms
